#include "TestTable.h"

#include "shell/Clicks.h"
#include "table/Deal.h"
#include "table/NewHand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

using Log = std::vector<std::string>;

// A deal for Dealer from a gathered pack, watched one virtual millisecond at a time: the cards in
// the order they left the pack, with the seat and the time; where each card box was seen and from
// which millisecond; and when the menus were switched off and on.
struct Watched {
    struct Dealt {
        int CardNo, Seat;
        uint64_t At;
    };
    std::vector<Dealt> Cards;
    std::array<Log, CardCount + 1> Trails;
    Log Menus;
};

Watched WatchDeal(Table& T, uint8_t Dealer) {
    const DisplayModel& V = T.G.View;
    const uint64_t Start = T.Clock.Elapsed();
    Watched W;
    std::array<std::tuple<double, double, int>, CardCount + 1> Last{};
    bool MenusOn = true;
    T.G.State.Dealer = Dealer;
    T.G.Steps.Run(DealHand(T.G));
    while (T.G.Steps.Running()) {
        T.Clock.Advance(1);
        const uint64_t Ms = T.Clock.Elapsed() - Start;
        if (V.MnuGameEnabled + V.MnuOptionsEnabled + V.MnuHelpEnabled != (MenusOn ? 3 : 0))
            W.Menus.push_back(std::to_string(Ms) + ((MenusOn = !MenusOn) ? " on" : " off"));
        for (size_t K = 1; K <= CardCount; ++K) {
            const int Holder = T.G.State.Deck[K].Holder;
            if (Holder == InNoHand) continue;
            if (W.Trails[K].empty()) W.Cards.push_back({static_cast<int>(K), Holder, Ms});
            const CardBox& Box = V.Cds[K];
            if (std::tie(Box.Left, Box.Top, Box.Picture) == Last[K]) continue;
            Last[K] = {Box.Left, Box.Top, Box.Picture};
            std::ostringstream Seen;
            Seen << Ms << " " << Box.Left << "," << Box.Top
                 << (Box.Picture == BackPicture ? " back" : " face");
            W.Trails[K].push_back(Seen.str());
        }
    }
    return W;
}

// Each circuit starts 175 ms after the last: 50 ms a card, and 25 for Desmond's, which lands
// without a sound. The menus rest while the cards fly.
TEST(Deal, ThirteenCircuitsClockwiseFromTheSeatAfterTheDealer) {
    for (uint8_t Dealer = 0; Dealer < SeatCount; ++Dealer) {
        SCOPED_TRACE(static_cast<int>(Dealer));
        Table T(100 + Dealer);
        T.StartUp();
        T.Speaker.Sounds.clear();
        const uint64_t Start = T.Clock.Elapsed();
        const Watched W = WatchDeal(T, Dealer);

        ASSERT_EQ(W.Cards.size(), 52u);
        std::vector<uint64_t> SoundsDue;
        for (size_t I = 0; I < W.Cards.size(); ++I) {
            EXPECT_EQ(W.Cards[I].Seat, static_cast<int>((Dealer + 1 + I) % SeatCount)) << "card " << I;
            if (I % 4 == 0) {
                EXPECT_EQ(W.Cards[I].At, 300 + 175 * (I / 4)) << "card " << I;
            }
            if (W.Cards[I].Seat != North) SoundsDue.push_back(Start + W.Cards[I].At + 25);
        }
        EXPECT_EQ(T.Clock.Elapsed() - Start, 2575u);
        EXPECT_EQ(T.Speaker.TimesOf(DealWave), SoundsDue);
        EXPECT_EQ(T.Speaker.Sounds.size(), SoundsDue.size());
        EXPECT_EQ(W.Menus, (Log{"300 off", "2575 on"}));
        EXPECT_EQ(T.G.State.Leader, NextSeat(Dealer));
        EXPECT_EQ(T.G.State.CardsLeft, (BySeat<uint8_t>{13, 13, 13, 13}));
    }
}

// A card flies towards its seat, then to the end of its flight, and 25 ms later lands in its hand;
// Desmond's lands at once. The hands lie in card order, and no card is brought to the front.
TEST(Deal, EachCardFliesInTwoMovesThenLandsInItsHandInCardOrder) {
    Table T;
    T.StartUp();
    const auto Stacked = T.G.View.Cds;
    const Watched W = WatchDeal(T, East);
    const Log Flights[] = {{"300 4400,4400 back", "325 3840.57,4400 back", "350 3500,6600 face"},
                           {"350 3720,3840 back", "375 2400,3240 back", "400 1920,2700 back"},
                           {"400 4560,3000 back", "425 3840,1320 back"},
                           {"425 6240,3480 back", "450 8520,2900 back", "475 8550,2700 back"},
                           {"475 4400,4400 back"}};
    ASSERT_EQ(W.Cards.size(), 52u);
    for (size_t I = 0; I < std::size(Flights); ++I) {
        const Log& Trail = W.Trails[static_cast<size_t>(W.Cards[I].CardNo)];
        const auto Seen = static_cast<long>(std::min(Trail.size(), Flights[I].size()));
        EXPECT_EQ(Log(Trail.begin(), Trail.begin() + Seen), Flights[I]) << I;
    }

    const struct {
        int Seat;
        double Left, Top, StepLeft, StepTop;
    } Lines[] = {{Human, 3500, 6600, 450, 0},
                 {West, 1920, 2700, 0, 175},
                 {North, 3840, 1320, 175, 0},
                 {East, 8550, 2700, 0, 175}};
    for (const auto& L : Lines) {
        const std::vector<int> Hand = CardsOf(T.G.State, L.Seat);
        for (size_t I = 0; I < Hand.size(); ++I) {
            const CardBox& Box = T.G.View.Cds[static_cast<size_t>(Hand[I])];
            SCOPED_TRACE("seat " + std::to_string(L.Seat) + " card " + std::to_string(Hand[I]));
            EXPECT_EQ(Box.Left, L.Left + L.StepLeft * static_cast<double>(I));
            EXPECT_EQ(Box.Top, L.Top + L.StepTop * static_cast<double>(I));
            EXPECT_EQ(Box.Picture, L.Seat == Human ? Hand[I] : BackPicture);
            EXPECT_TRUE(Box.Visible);
            EXPECT_EQ(Box.ZOrder, Stacked[static_cast<size_t>(Hand[I])].ZOrder);
        }
    }
}

TEST(Deal, NewGameIsNotHeardDuringTheDeal) {
    Table Clicked(7), Untouched(7);
    for (Table* T : {&Clicked, &Untouched}) {
        T->StartUp();
        Click(T->G, {Element::NewGame});
        T->Clock.Advance(2000);
    }
    Click(Clicked.G, {Element::NewGame});
    EXPECT_EQ(Clicked.Clock.RunUntilIdle(), Untouched.Clock.RunUntilIdle());
    EXPECT_EQ(Clicked.Speaker.Sounds, Untouched.Speaker.Sounds);
    for (int Seat = 0; Seat < SeatCount; ++Seat)
        EXPECT_EQ(CardsOf(Clicked.G.State, Seat), CardsOf(Untouched.G.State, Seat)) << Seat;
}

TEST(Deal, SeedPinsTheWholeDeal) {
    Table T(12345);
    T.NewGame();
    const GameState& S = T.G.State;
    EXPECT_EQ(S.Dealer, North);
    EXPECT_EQ(CardsOf(S, Human), (std::vector<int>{1, 9, 10, 15, 20, 25, 34, 36, 38, 44, 45, 47, 49}));
    EXPECT_EQ(CardsOf(S, West), (std::vector<int>{3, 5, 14, 16, 23, 24, 28, 29, 39, 40, 41, 46, 48}));
    EXPECT_EQ(CardsOf(S, North), (std::vector<int>{2, 4, 6, 8, 12, 17, 22, 30, 33, 35, 37, 42, 51}));
    EXPECT_EQ(CardsOf(S, East), (std::vector<int>{7, 11, 13, 18, 19, 21, 26, 27, 31, 32, 43, 50, 52}));
}

// With seed 1 Rodrick deals the first hand. Each announcement keeps its own blanks.
TEST(Deal, EveryHandIsDealtByTheNextSeatWhoAnnouncesTheLeader) {
    const std::array<const char*, SeatCount> Texts = {
        " You are dealing and Rodrick will Lead.", "Rodrick  is dealing and Desmond will Lead.",
        "Desmond is dealing and Beatrix will Lead.", "Beatrix is dealing and you will Lead"};
    Table T(1);
    T.StartUp();
    GameState& S = T.G.State;
    const DisplayModel& V = T.G.View;
    for (int Hand = 1; Hand <= 4; ++Hand) {
        SCOPED_TRACE(Hand);
        if (Hand == 1)
            Click(T.G, {Element::NewGame});
        else
            T.G.Steps.Run(NewHand(T.G));
        T.Clock.Advance(500);
        const auto Dealer = static_cast<uint8_t>(Hand % SeatCount);
        EXPECT_EQ(S.Dealer, Dealer);
        EXPECT_EQ(V.StatusPanel2, Texts[Dealer]);
        EXPECT_EQ(V.StatusPanel1, "Hand  Number " + std::to_string(Hand));
        const int Next = NextSeat(Dealer);
        EXPECT_EQ((std::array<int, 3>{S.FirstLeader, S.Bidder, S.Leader}),
                  (std::array<int, 3>{Next, Next, Next}));
        EXPECT_EQ(Row(V.LblBid) + Row(V.Lblmade), "0|0|0|0|0|0|0|0|");
        EXPECT_EQ(SeatLabels(V), (std::vector<std::string>{"Player", "Rodrick", "Desmond", "Beatrix"}));
        // The score panel's hand count is only refreshed by start-up and the target commands.
        EXPECT_EQ(V.LblRounds.Caption, "0");

        T.Clock.RunUntilIdle();
        Click(T.G, {Element::BidNumber, 2});
        T.Clock.Advance(5600);
        EXPECT_TRUE(S.GameInProgress);
    }
}

TEST(RandomCard, AceOfSpadesComesUpHalfAsOftenAsAnyOther) {
    Table T(4242);
    T.StartUp();
    constexpr int Draws = 206000; // about 4000 for each card, 2000 for the Ace of Spades
    std::array<int, CardCount + 1> Count{};
    for (int I = 0; I < Draws; ++I)
        ++Count[static_cast<size_t>(RandomCard(T.G))];
    EXPECT_EQ(Count[0], 0);
    const double Mean = (Draws - Count[52]) / 51.0;
    for (size_t K = 1; K < 52; ++K) {
        EXPECT_GT(Count[K], 0.9 * Mean) << K;
        EXPECT_LT(Count[K], 1.1 * Mean) << K;
    }
    EXPECT_GT(Count[52] / Mean, 0.45);
    EXPECT_LT(Count[52] / Mean, 0.55);
}

} // namespace
