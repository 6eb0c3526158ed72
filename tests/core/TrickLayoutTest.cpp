// SPDX-License-Identifier: GPL-3.0-or-later
// Where the cards of a trick go and what the status line says of them, every number written out
// by hand: each seat's place in the middle, the computer players' "played" texts, the winner's
// announcement, the point where the trick gathers, where its last card lands for each winner, the
// row of tricks won, and the hands laid out again on their lines.

#include "CardTable.h"
#include "TestTable.h"
#include "commands/Clicks.h"

#include "flow/Tricks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

struct Point {
    double Left, Top;
};

constexpr std::array<Point, SeatCount> PlayedAt = {{{5040, 4920}, {3000, 3720}, {5040, 2880}, {7080, 3720}}};
constexpr Point Gathered{5160, 3780};
constexpr std::array<Point, SeatCount> LandsAt = {{{5640, 6960}, {1320, 3720}, {5520, 600}, {10080, 3360}}};
const std::array<std::string, SeatCount> WonTexts = {
    "Ann won the trick and now has tricks ", " Rodrick won the trick and now has tricks ",
    "Desmond won the trick and now has tricks ", "Beatrix won the trick and now has tricks "};

// The i-th card of a seat's hand, in card order.
Point InHand(uint8_t Seat, size_t I) {
    constexpr std::array<Point, SeatCount> First = {{{3500, 6600}, {1920, 2700}, {3840, 1320}, {8550, 2700}}};
    constexpr std::array<Point, SeatCount> Step = {{{450, 0}, {0, 175}, {175, 0}, {0, 175}}};
    const double N = static_cast<double>(I);
    return {First[Seat].Left + Step[Seat].Left * N, First[Seat].Top + Step[Seat].Top * N};
}

bool At(const CardBox& Box, Point P) {
    return Box.Left == P.Left && Box.Top == P.Top;
}

// The text follows the card's sound; it is the last thing a computer player's card does, as the
// next seat's turn or the end of the trick takes over the status line at once.
TEST(TrickLayout, AComputerPlayersCardLandsFaceUpInFrontAndIsNamed) {
    const struct {
        uint8_t Seat;
        const char *Card, *Text;
    } Plays[] = {{West, "QH", "Rodrick played  Queen of  Hearts"},
                 {North, "2S", "Desmond played  Two  of  Spades"},
                 {East, "AD", "Beatrix played  Ace  of  Diamonds"}};
    for (const auto& P : Plays) {
        SCOPED_TRACE(P.Text);
        Table T;
        T.StartUp();
        const int16_t K = Named(P.Card);
        GiveCards(T.G.State, {{}, {}, {}, {}});
        T.G.State.Deck[K].Holder = P.Seat;
        T.G.State.Leader = P.Seat;
        T.G.Flow.Run(BotPlaysCard(T.G, P.Seat, K, 1));
        const CardBox& Box = T.G.View.Cds[static_cast<size_t>(K)];
        EXPECT_TRUE(At(Box, PlayedAt[P.Seat]));
        EXPECT_EQ(Box.Picture, K);
        EXPECT_TRUE(Box.ZOrder == T.G.View.TopZOrder && !Box.InFrontOfAll);
        T.Clock.Advance(499);
        EXPECT_EQ(T.G.View.StatusPanel2, "Press F2 for new game or go to Game menu!");
        T.Clock.Advance(1);
        EXPECT_EQ(T.G.View.StatusPanel2, P.Text);
    }
}

// Whole hands watched a millisecond at a time until each seat has won a trick: when a trick is
// won, its four cards lie face up at their seats' places, played clockwise from the leader, and
// the winner is announced; then the trick gathers face down in the middle while its last card
// lands, in front, on the winner's side; then the winner's row shows one more back and every hand
// lies closed up on its line.
TEST(TrickLayout, EachWinnerGetsTheTrickSweptToItsSide) {
    Table T(BeatrixDealsFirst);
    T.Folder.Write("Name.dat", "\"Ann\",0,0,0,0\r\n");
    T.NewGame();
    const GameState& S = T.G.State;
    DisplayModel& V = T.G.View;

    struct Played {
        int16_t Card;
        uint8_t Seat;
    };
    std::vector<Played> Trick;
    std::array<int, SeatCount> Swept{};
    uint8_t Leader = S.FirstLeader;
    int Winner = -1; // of the trick being swept
    bool Landed = false;
    for (int Ms = 0; Ms < 600000; ++Ms) {
        if (Winner < 0 && *std::min_element(Swept.begin(), Swept.end()) > 0) break;
        if (V.MessageBox.Visible)
            Click(T.G, {Element::MessageButton, 0});
        else if (T.G.Flow.AwaitingHuman(HumanWait::Bid))
            Click(T.G, {Element::BidNumber, 1});
        else if (T.G.Flow.AwaitingHuman(HumanWait::Continue))
            Click(T.G, {Element::Continue});
        else if (T.G.Flow.AwaitingHuman(HumanWait::Card))
            Click(T.G, {Element::Card, FirstLegal(S)});
        const GameState Before = S;
        const uint32_t TopBefore = V.TopZOrder;
        T.Clock.Advance(1);

        if (S.HandNumber != Before.HandNumber) Leader = S.FirstLeader;
        // A computer player who wins leads again at once, in the same millisecond as the sweep ends.
        std::vector<Played> Now;
        for (int K = 1; K <= CardCount; ++K)
            if (S.Deck[K].Played && !Before.Deck[K].Played)
                Now.push_back({static_cast<int16_t>(K), static_cast<uint8_t>(Before.Deck[K].Holder)});
        if (Winner < 0) Trick.insert(Trick.end(), Now.begin(), Now.end());

        for (uint8_t W = 0; W < SeatCount; ++W) {
            if (S.TricksWon[W] == Before.TricksWon[W]) continue;
            SCOPED_TRACE("trick won by " + std::to_string(W) + " at " + std::to_string(Ms));
            EXPECT_EQ(V.StatusPanel2, WonTexts[W] + std::to_string(S.TricksWon[W]));
            ASSERT_EQ(Trick.size(), 4u);
            for (size_t I = 0; I < Trick.size(); ++I) {
                const CardBox& Box = V.Cds[static_cast<size_t>(Trick[I].Card)];
                EXPECT_EQ(Trick[I].Seat, (Leader + I) % SeatCount) << I;
                EXPECT_TRUE(At(Box, PlayedAt[Trick[I].Seat])) << I;
                EXPECT_TRUE(Box.Visible && Box.Picture == Trick[I].Card) << I;
            }
            Winner = Leader = W;
        }
        if (Winner < 0) continue;

        const auto W = static_cast<uint8_t>(Winner);
        const auto Count = static_cast<size_t>(S.TricksWon[W]);
        const CardBox& Last = V.Cds[static_cast<size_t>(Trick[3].Card)];
        if (!Landed && !At(Last, PlayedAt[Trick[3].Seat])) {
            SCOPED_TRACE("landing for " + std::to_string(W) + " at " + std::to_string(Ms));
            Landed = true;
            EXPECT_TRUE(At(Last, LandsAt[W]));
            EXPECT_TRUE(Last.Visible && Last.Picture == BackPicture);
            EXPECT_TRUE(Last.ZOrder == V.TopZOrder && V.TopZOrder > TopBefore && Last.InFrontOfAll);
            for (size_t I = 0; I < 3; ++I) {
                const CardBox& Box = V.Cds[static_cast<size_t>(Trick[I].Card)];
                EXPECT_TRUE(At(Box, Gathered)) << I;
                EXPECT_TRUE(!Box.Visible && Box.Picture == BackPicture) << I;
            }
            EXPECT_FALSE(V.Pile(W)[Count].Visible);
        } else if (Landed && V.Pile(W)[Count].Visible) {
            SCOPED_TRACE("swept to " + std::to_string(W) + " at " + std::to_string(Ms));
            EXPECT_FALSE(Last.Visible);
            if (Count < 13) {
                EXPECT_FALSE(V.Pile(W)[Count + 1].Visible);
            }
            for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
                const std::vector<int> Hand = CardsOf(Before, Seat);
                for (size_t I = 0; I < Hand.size(); ++I) {
                    if (!Now.empty() && Now[0].Card == Hand[I]) continue;
                    const CardBox& Box = V.Cds[static_cast<size_t>(Hand[I])];
                    EXPECT_TRUE(At(Box, InHand(Seat, I))) << int(Seat) << " " << I;
                    EXPECT_TRUE(Box.Visible && Box.Picture == (Seat == Human ? Hand[I] : BackPicture));
                }
            }
            for (const Played& P : Trick)
                EXPECT_FALSE(V.Cds[static_cast<size_t>(P.Card)].Visible);
            ++Swept[W];
            Trick = Now;
            Winner = -1;
            Landed = false;
        }
    }
    EXPECT_EQ(Winner, -1);
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
        EXPECT_GT(Swept[Seat], 0) << int(Seat);
}

} // namespace
