#include "TestTable.h"

#include "bidding/Bidding.h"
#include "shell/Commands.h"
#include "table/Deal.h"
#include "table/NewHand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using test::CardsOf;
using test::Table;

struct Dealt {
    int CardNo;
    int Seat;
    uint64_t At; // virtual ms since the deal began
};

// Deals a hand for Dealer from a gathered pack, watching the clock one millisecond at a time and
// noting every card as it leaves the pack.
std::vector<Dealt> WatchDeal(Table& T, uint8_t Dealer) {
    T.G.State.Dealer = Dealer;
    const uint64_t Start = T.Clock.Elapsed();
    std::vector<Dealt> Seen;
    T.G.Steps.Run(DealHand(T.G));
    while (T.G.Steps.Running()) {
        T.Clock.Advance(1);
        for (int K = 1; K <= CardCount; ++K) {
            const int Holder = T.G.State.Deck[K].Holder;
            const bool Known =
                std::any_of(Seen.begin(), Seen.end(), [K](const Dealt& D) { return D.CardNo == K; });
            if (Holder != InNoHand && !Known) Seen.push_back({K, Holder, T.Clock.Elapsed() - Start});
        }
    }
    return Seen;
}

// The card a seat received between two looks at the deck.
int NewCardOf(const GameState& S, int Seat, const std::vector<int>& Before) {
    for (int K : CardsOf(S, Seat))
        if (std::find(Before.begin(), Before.end(), K) == Before.end()) return K;
    return 0;
}

void ExpectCardAt(const Table& T, int CardNo, double Left, double Top, int Picture) {
    const CardBox& Box = T.G.View.Cds[static_cast<size_t>(CardNo)];
    EXPECT_EQ(Box.Left, Left) << "card " << CardNo;
    EXPECT_EQ(Box.Top, Top) << "card " << CardNo;
    EXPECT_EQ(Box.Picture, Picture) << "card " << CardNo;
}

TEST(Deal, ThirteenCircuitsClockwiseFromTheSeatAfterTheDealer) {
    // Seats in the order they receive a card in every circuit, by dealer: the dealer receives the
    // last card of each circuit.
    const std::array<std::array<int, 4>, SeatCount> Circuits = {{
        {1, 2, 3, 0},
        {2, 3, 0, 1},
        {3, 0, 1, 2},
        {0, 1, 2, 3},
    }};
    for (uint8_t Dealer = 0; Dealer < SeatCount; ++Dealer) {
        SCOPED_TRACE(static_cast<int>(Dealer));
        Table T(100 + Dealer);
        T.StartUp();
        T.Speaker.Sounds.clear();
        const uint64_t Start = T.Clock.Elapsed();
        const std::vector<Dealt> Deal = WatchDeal(T, Dealer);

        ASSERT_EQ(Deal.size(), 52u);
        std::array<int, SeatCount> Received{};
        std::vector<uint64_t> SoundsDue;
        for (size_t I = 0; I < Deal.size(); ++I) {
            const size_t Circuit = I / 4;
            EXPECT_EQ(Deal[I].Seat, Circuits[Dealer][I % 4]) << "card " << I;
            if (++Received[static_cast<size_t>(Deal[I].Seat)] == 13) {
                EXPECT_EQ(Circuit, 12u) << "card " << I;
            }
            if (I % 4 == 0) {
                EXPECT_EQ(Deal[I].At, 300 + 175 * Circuit) << "circuit " << Circuit;
            }
            if (Deal[I].Seat != North) SoundsDue.push_back(Start + Deal[I].At + 25);
        }
        EXPECT_EQ(T.Clock.Elapsed() - Start, 2575u);
        EXPECT_EQ(T.Speaker.TimesOf(test::DealWave), SoundsDue);
        EXPECT_EQ(T.Speaker.Sounds.size(), 39u);

        const GameState& S = T.G.State;
        EXPECT_EQ(S.Leader, (Dealer + 1) % 4);
        EXPECT_EQ(S.CardsLeft, (BySeat<uint8_t>{13, 13, 13, 13}));
        for (int Seat = 0; Seat < SeatCount; ++Seat)
            EXPECT_EQ(CardsOf(S, Seat).size(), 13u) << Seat;
    }
}

TEST(Deal, EachCardFliesInTwoMovesThenLandsInItsHand) {
    // Beatrix deals: every circuit goes to the human, Rodrick, Desmond and Beatrix in turn.
    Table T;
    T.StartUp();
    T.G.State.Dealer = East;
    const uint64_t Start = T.Clock.Elapsed();
    T.G.Steps.Run(DealHand(T.G));
    const GameState& S = T.G.State;

    T.Clock.Advance(300);
    const int Mine = NewCardOf(S, Human, {});
    ASSERT_NE(Mine, 0);
    ExpectCardAt(T, Mine, 4400, 4400, BackPicture);
    T.Clock.Advance(25);
    ExpectCardAt(T, Mine, 3840.57, 4400, BackPicture);
    T.Clock.Advance(25);
    ExpectCardAt(T, Mine, 3500, 6600, Mine);

    const int Wests = NewCardOf(S, West, {});
    ASSERT_NE(Wests, 0);
    ExpectCardAt(T, Wests, 3720, 3840, BackPicture);
    T.Clock.Advance(25);
    ExpectCardAt(T, Wests, 2400, 3240, BackPicture);
    T.Clock.Advance(25);
    ExpectCardAt(T, Wests, 1920, 2700, BackPicture);

    const int Norths = NewCardOf(S, North, {});
    ASSERT_NE(Norths, 0);
    ExpectCardAt(T, Norths, 4560, 3000, BackPicture);
    T.Clock.Advance(25);
    ExpectCardAt(T, Norths, 3840, 1320, BackPicture);

    const int Easts = NewCardOf(S, East, {});
    ASSERT_NE(Easts, 0);
    ExpectCardAt(T, Easts, 6240, 3480, BackPicture);
    T.Clock.Advance(25);
    ExpectCardAt(T, Easts, 8520, 2900, BackPicture);
    T.Clock.Advance(25);
    ExpectCardAt(T, Easts, 8550, 2700, BackPicture);

    EXPECT_EQ(T.Speaker.TimesOf(test::DealWave),
              (std::vector<uint64_t>{Start + 325, Start + 375, Start + 450}));
    const int Second = NewCardOf(S, Human, {Mine});
    ASSERT_NE(Second, 0);
    ExpectCardAt(T, Second, 4400, 4400, BackPicture);
}

TEST(Deal, HandsLieInTheirPlacesWhenAllIsDealt) {
    const struct {
        int Seat;
        double Left, Top, StepLeft, StepTop;
        bool FaceUp;
    } Lines[] = {
        {Human, 3500, 6600, 450, 0, true},
        {West, 1920, 2700, 0, 175, false},
        {North, 3840, 1320, 175, 0, false},
        {East, 8550, 2700, 0, 175, false},
    };
    Table T;
    T.StartUp();
    WatchDeal(T, West);
    for (const auto& L : Lines) {
        SCOPED_TRACE(L.Seat);
        const std::vector<int> Hand = CardsOf(T.G.State, L.Seat);
        ASSERT_EQ(Hand.size(), 13u);
        for (size_t I = 0; I < Hand.size(); ++I) {
            const double Step = static_cast<double>(I);
            ExpectCardAt(T, Hand[I], L.Left + L.StepLeft * Step, L.Top + L.StepTop * Step,
                         L.FaceUp ? Hand[I] : BackPicture);
            EXPECT_TRUE(T.G.View.Cds[static_cast<size_t>(Hand[I])].Visible);
        }
    }
    EXPECT_EQ(T.G.View.Cds[static_cast<size_t>(CardsOf(T.G.State, Human).back())].Left, 8900);
}

TEST(Deal, LateLowerCardPushesTheHigherOnesAlong) {
    Table T;
    T.StartUp();
    GameState& S = T.G.State;
    test::GiveCards(S, {{20, 30, 45}, {10, 40}});
    ShowHand(T.G, Human);
    ShowHand(T.G, West);
    ExpectCardAt(T, 20, 3500, 6600, 20);
    ExpectCardAt(T, 30, 3950, 6600, 30);
    ExpectCardAt(T, 45, 4400, 6600, 45);
    ExpectCardAt(T, 10, 1920, 2700, BackPicture);
    ExpectCardAt(T, 40, 1920, 2875, BackPicture);

    const auto Before = T.G.View.Cds;
    S.Deck[5].Holder = Human;
    S.Deck[3].Holder = West;
    ShowHand(T.G, Human);
    ShowHand(T.G, West);
    ExpectCardAt(T, 5, 3500, 6600, 5);
    ExpectCardAt(T, 20, 3950, 6600, 20);
    ExpectCardAt(T, 30, 4400, 6600, 30);
    ExpectCardAt(T, 45, 4850, 6600, 45);
    ExpectCardAt(T, 3, 1920, 2700, BackPicture);
    ExpectCardAt(T, 10, 1920, 2875, BackPicture);
    ExpectCardAt(T, 40, 1920, 3050, BackPicture);
    // Cards still in the pack stay where they lie, and nothing is brought to the front.
    ExpectCardAt(T, 1, 5040, 3720, BackPicture);
    for (size_t K = 1; K <= CardCount; ++K)
        EXPECT_EQ(T.G.View.Cds[K].ZOrder, Before[K].ZOrder) << K;
}

TEST(Deal, MenusAreDisabledWhileTheCardsFly) {
    Table T;
    T.StartUp();
    const DisplayModel& V = T.G.View;
    auto MenusOn = [&V] { return V.MnuGameEnabled && V.MnuOptionsEnabled && V.MnuHelpEnabled; };
    auto MenusOff = [&V] { return !V.MnuGameEnabled && !V.MnuOptionsEnabled && !V.MnuHelpEnabled; };
    T.G.State.Dealer = North;
    T.G.Steps.Run(DealHand(T.G));
    T.Clock.Advance(299);
    EXPECT_TRUE(MenusOn());
    T.Clock.Advance(1);
    EXPECT_TRUE(MenusOff());
    T.Clock.Advance(2274);
    EXPECT_TRUE(MenusOff());
    EXPECT_TRUE(T.G.Steps.Running());
    T.Clock.Advance(1);
    EXPECT_TRUE(MenusOn());
    EXPECT_FALSE(T.G.Steps.Running());
}

TEST(Deal, NewGameIsNotHeardDuringTheDeal) {
    Table Clicked(7), Untouched(7);
    for (Table* T : {&Clicked, &Untouched}) {
        T->StartUp();
        MnuNew_Click(T->G);
        T->Clock.Advance(2000);
    }
    MnuNew_Click(Clicked.G);
    EXPECT_EQ(Clicked.Clock.RunUntilIdle(), Untouched.Clock.RunUntilIdle());
    EXPECT_EQ(Clicked.Speaker.Sounds, Untouched.Speaker.Sounds);
    for (int Seat = 0; Seat < SeatCount; ++Seat)
        EXPECT_EQ(CardsOf(Clicked.G.State, Seat), CardsOf(Untouched.G.State, Seat)) << Seat;
    EXPECT_EQ(Clicked.G.State.HandNumber, 1);
}

TEST(Deal, SeedPinsTheWholeDeal) {
    Table T(12345);
    T.StartUp();
    MnuNew_Click(T.G);
    T.Clock.RunUntilIdle();
    const GameState& S = T.G.State;
    EXPECT_EQ(S.Dealer, North);
    EXPECT_EQ(CardsOf(S, Human), (std::vector<int>{1, 9, 10, 15, 20, 25, 34, 36, 38, 44, 45, 47, 49}));
    EXPECT_EQ(CardsOf(S, West), (std::vector<int>{3, 5, 14, 16, 23, 24, 28, 29, 39, 40, 41, 46, 48}));
    EXPECT_EQ(CardsOf(S, North), (std::vector<int>{2, 4, 6, 8, 12, 17, 22, 30, 33, 35, 37, 42, 51}));
    EXPECT_EQ(CardsOf(S, East), (std::vector<int>{7, 11, 13, 18, 19, 21, 26, 27, 31, 32, 43, 50, 52}));
}

TEST(Deal, EveryHandIsDealtByTheNextSeat) {
    Table T(1);
    T.StartUp();
    GameState& S = T.G.State;
    const DisplayModel& V = T.G.View;
    std::vector<int> Dealers;
    for (int Hand = 1; Hand <= 4; ++Hand) {
        SCOPED_TRACE(Hand);
        if (Hand == 1) {
            MnuNew_Click(T.G);
        } else {
            ASSERT_TRUE(S.GameInProgress);
            T.G.Steps.Run(NewHand(T.G));
        }
        T.Clock.Advance(500);
        for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
            EXPECT_EQ(V.LblBid[Seat].Caption, "0");
            EXPECT_EQ(V.Lblmade[Seat].Caption, "0");
        }
        EXPECT_EQ(V.LblName.Caption, "Player");
        EXPECT_EQ(V.LblWestName.Caption, "Rodrick");
        EXPECT_EQ(V.LblNorthName.Caption, "Desmond");
        EXPECT_EQ(V.LblBeatrix.Caption, "Beatrix");
        EXPECT_EQ(V.StatusPanel1, "Hand  Number " + std::to_string(Hand));
        EXPECT_EQ(S.HandNumber, Hand);
        // The score panel's hand count is only refreshed by start-up and the target commands.
        EXPECT_EQ(V.LblRounds.Caption, "0");

        T.Clock.RunUntilIdle();
        ASSERT_TRUE(T.G.Steps.AwaitingHuman());
        for (int Seat = 0; Seat < SeatCount; ++Seat)
            EXPECT_EQ(CardsOf(S, Seat).size(), 13u) << Seat;
        Dealers.push_back(S.Dealer);
        LblBids_Click(T.G, 2);
        T.Clock.Advance(test::BiddingLeftAfterHumanBid(S));
        EXPECT_TRUE(S.GameInProgress);
    }
    EXPECT_EQ(Dealers, (std::vector<int>{1, 2, 3, 0}));
}

TEST(RandomCard, NeverZeroNorACardAlreadyDealt) {
    Table T;
    T.StartUp();
    GameState& S = T.G.State;
    std::mt19937 Shuffler(99);
    for (int Round = 0; Round < 2000; ++Round) {
        const int Left = 1 + Round % CardCount;
        std::vector<int> Order(CardCount);
        std::iota(Order.begin(), Order.end(), 1);
        std::shuffle(Order.begin(), Order.end(), Shuffler);
        for (size_t I = 0; I < Order.size(); ++I)
            S.Deck[Order[I]].Holder = static_cast<int16_t>(I < static_cast<size_t>(Left) ? InNoHand : I % 4);
        const int16_t K = RandomCard(T.G);
        ASSERT_GE(K, 1);
        ASSERT_LE(K, 52);
        ASSERT_EQ(S.Deck[K].Holder, InNoHand) << "round " << Round;
    }
    for (const int Last : {1, 52, 26}) {
        test::GiveCards(S, {});
        for (int K = 1; K <= CardCount; ++K)
            if (K != Last) S.Deck[K].Holder = static_cast<int16_t>(K % 4);
        EXPECT_EQ(RandomCard(T.G), Last);
        EXPECT_EQ(S.Deck[Last].Holder, InNoHand);
    }
}

TEST(RandomCard, ManyDealsGiveThirteenCardsToEverySeat) {
    Table T(2024);
    T.StartUp();
    for (int Hand = 0; Hand < 40; ++Hand) {
        ClearTable(T.G);
        T.G.State.Dealer = static_cast<uint8_t>(Hand % 4);
        T.G.Steps.Run(DealHand(T.G));
        T.Clock.RunUntilIdle();
        std::set<int> All;
        for (int Seat = 0; Seat < SeatCount; ++Seat) {
            const auto Cards = CardsOf(T.G.State, Seat);
            ASSERT_EQ(Cards.size(), 13u) << "hand " << Hand << " seat " << Seat;
            All.insert(Cards.begin(), Cards.end());
        }
        ASSERT_EQ(All.size(), 52u) << "hand " << Hand;
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
    double Others = 0;
    for (size_t K = 1; K < 52; ++K)
        Others += Count[K];
    const double Mean = Others / 51;
    for (size_t K = 1; K < 52; ++K) {
        EXPECT_GT(Count[K], 0.9 * Mean) << K;
        EXPECT_LT(Count[K], 1.1 * Mean) << K;
    }
    EXPECT_GT(Count[52] / Mean, 0.45);
    EXPECT_LT(Count[52] / Mean, 0.55);
}

} // namespace
