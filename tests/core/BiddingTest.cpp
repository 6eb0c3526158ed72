// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardTable.h"
#include "TestTable.h"

#include "rules/BotsBids.h"
#include "commands/Clicks.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

TEST(BotsBids, CountsAcesKingsAndTheQueenOfSpadesOnly) {
    const std::pair<const char*, int> Cases[] = {
        {"2D 3C 4H", 1},       {"QS 2D", 1},    {"QS AD 2D", 2},
        {"QH AD", 1},          {"KD KC 2D", 2}, {"AD AC AH AS KD KC KH KS QS 2D", 9},
        {"2S 3S QS KS AS", 3},
    };
    for (const auto& [Hand, Bid] : Cases)
        for (uint8_t Seat = West; Seat <= East; ++Seat) {
            SCOPED_TRACE(std::string(Hand) + " seat " + std::to_string(Seat));
            DeckOfCards Deck;
            InitDeck(Deck);
            // The other seats share the rest of the pack, honours and all.
            for (int K = 1; K <= CardCount; ++K)
                Deck[K].Holder = static_cast<int16_t>((Seat + 1 + K % 3) % SeatCount);
            for (const int16_t K : Cards(Hand))
                Deck[K].Holder = Seat;
            EXPECT_EQ(BotsBids(Deck, Seat), Bid);
        }
}

TEST(BotsBids, TargetRaisesOnlyABidThatWouldLandOnItExactly) {
    const std::array<int16_t, 4> Cases[] = {
        {4, 250, 300, 5}, {4, 260, 300, 4}, {4, 240, 300, 4}, {9, 0, 100, 10}, {3, -40, 0, 4}};
    for (const auto& [Bid, Score, Target, Adjusted] : Cases)
        EXPECT_EQ(AdjustedForTarget(Bid, Score, Target), Adjusted) << Bid << " " << Score << " " << Target;
}

// Clicks on a number count only while the panel asks, and only the first of them.
TEST(Bidding, BidPanelHearsOnlyOneClickOnANumberWhileShown) {
    Table T(BeatrixDealsFirst);
    T.StartUp();
    GameState& S = T.G.State;
    Click(T.G, {Element::BidNumber, 5});
    Click(T.G, {Element::NewGame});
    T.Clock.Advance(2000);
    Click(T.G, {Element::BidNumber, 5});
    EXPECT_EQ(S.BidClicked, 0);
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Bid));
    for (const int Outside : {-1, 14})
        Click(T.G, {Element::BidNumber, Outside});
    EXPECT_TRUE(T.Clock.Idle());
    EXPECT_EQ(S.BidClicked, -1);

    Click(T.G, {Element::BidNumber, 3});
    T.Clock.Advance(1000);
    Click(T.G, {Element::BidNumber, 9});
    EXPECT_EQ(T.Clock.RunUntilIdle(), 4600u);
    EXPECT_EQ(S.Bids[Human], 3);
    EXPECT_EQ(T.Speaker.TimesOf("beep").size(), 4u);
}

} // namespace
