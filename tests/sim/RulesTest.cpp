// The simulator's own reading of the rules, on the cases the rules spell out.

#include "sim/Rules.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using namespace tarnwick::sim;

constexpr int Diamonds = 1, Clubs = 2, Hearts = 3, Spades = 4;
constexpr int Card(int Rank, int Suit) {
    return 13 * (Suit - 1) + (Rank - 1);
}

CardSet Hand(std::initializer_list<int> Cards) {
    CardSet Set = 0;
    for (const int C : Cards)
        Set |= CardBit(C);
    return Set;
}

TEST(Rules, NoSpadeLeadBeforeSpadesAreBrokenUnlessTheHandHoldsNothingElse) {
    const CardSet Mixed = Hand({Card(5, Hearts), Card(9, Spades)});
    EXPECT_FALSE(IsLegalPlay(Mixed, Card(9, Spades), 0, false));
    EXPECT_TRUE(IsLegalPlay(Mixed, Card(5, Hearts), 0, false));
    EXPECT_TRUE(IsLegalPlay(Mixed, Card(9, Spades), 0, true));
    EXPECT_TRUE(IsLegalPlay(Hand({Card(2, Spades), Card(9, Spades)}), Card(9, Spades), 0, false));
}

TEST(Rules, FollowSuitWhenAbleElseAnything) {
    const CardSet Held = Hand({Card(4, Hearts), Card(12, Clubs), Card(3, Spades)});
    EXPECT_TRUE(IsLegalPlay(Held, Card(4, Hearts), Card(10, Hearts), false));
    EXPECT_FALSE(IsLegalPlay(Held, Card(12, Clubs), Card(10, Hearts), false));
    EXPECT_FALSE(IsLegalPlay(Held, Card(3, Spades), Card(10, Hearts), false));
    // Void in diamonds: a spade may trump even before spades are broken.
    EXPECT_TRUE(IsLegalPlay(Held, Card(3, Spades), Card(10, Diamonds), false));
    EXPECT_TRUE(IsLegalPlay(Held, Card(12, Clubs), Card(10, Diamonds), false));
    EXPECT_FALSE(IsLegalPlay(Held, Card(5, Diamonds), Card(10, Diamonds), false));
}

TEST(Rules, TheHighestSpadeElseTheHighestOfTheSuitLedWins) {
    EXPECT_EQ(TrickWinner({Card(5, Hearts), Card(2, Spades), Card(14, Hearts), Card(13, Hearts)}, 1), 2);
    EXPECT_EQ(TrickWinner({Card(5, Hearts), Card(14, Diamonds), Card(9, Hearts), Card(3, Hearts)}, 3), 1);
    EXPECT_EQ(TrickWinner({Card(5, Hearts), Card(2, Spades), Card(3, Spades), Card(14, Hearts)}, 0), 2);
    EXPECT_EQ(TrickWinner({Card(14, Spades), Card(2, Spades), Card(3, Spades), Card(4, Spades)}, 2), 2);
}

TEST(Rules, HandPointsAndBags) {
    EXPECT_EQ(HandPointsFor(4, 4), 40);
    EXPECT_EQ(HandPointsFor(4, 6), 42);
    EXPECT_EQ(HandPointsFor(5, 3), -50);
    EXPECT_EQ(HandPointsFor(0, 0), 200);
    EXPECT_EQ(HandPointsFor(0, 3), -197);

    const BagsAfterHand Plain = AddBags(3, 4, 6);
    EXPECT_EQ(Plain.OverTricks, 2);
    EXPECT_EQ(Plain.Bags, 5);
    EXPECT_FALSE(Plain.Penalty);
    const BagsAfterHand Eight = AddBags(8, 1, 4);
    EXPECT_TRUE(Eight.Penalty);
    EXPECT_EQ(Eight.Bags, 1);
    const BagsAfterHand Nine = AddBags(9, 0, 13);
    EXPECT_TRUE(Nine.Penalty);
    EXPECT_EQ(Nine.Bags, 12);
    const BagsAfterHand Carried = AddBags(12, 5, 5);
    EXPECT_FALSE(Carried.Penalty);
    EXPECT_EQ(Carried.Bags, 12);
}

TEST(Rules, ComputerBidsCountAcesKingsAndTheQueenOfSpades) {
    EXPECT_EQ(BotBidFor(Hand({Card(2, Hearts), Card(3, Clubs)}), 0, 300), 1);
    EXPECT_EQ(BotBidFor(Hand({Card(12, Spades)}), 0, 300), 1);
    EXPECT_EQ(
        BotBidFor(Hand({Card(14, Spades), Card(13, Spades), Card(12, Spades), Card(2, Spades)}), 0, 300), 3);
    // Four tricks from 250 would make 300 with one more: the bid goes up.
    const CardSet Four = Hand({Card(14, Spades), Card(13, Spades), Card(14, Hearts), Card(13, Hearts)});
    EXPECT_EQ(BotBidFor(Four, 250, 300), 5);
    EXPECT_EQ(BotBidFor(Four, 260, 300), 4);
}

TEST(Rules, TheGameEndsAtTheTargetAfterTheEighthHandOrAfterADraw) {
    EXPECT_TRUE(GameEndsAfter(3, {300, 120, 90, 40}, 300));
    EXPECT_FALSE(GameEndsAfter(3, {299, 120, 90, 40}, 300));
    EXPECT_FALSE(GameEndsAfter(8, {250, 120, 120, 90}, 300));
    EXPECT_TRUE(GameEndsAfter(8, {250, 121, 120, 90}, 300));
    EXPECT_TRUE(GameEndsAfter(8, {310, 120, 120, 90}, 300));
    EXPECT_TRUE(GameEndsAfter(9, {250, 250, 120, 90}, 300));
    EXPECT_EQ(SoleWinner({310, 310, 100, 50}), -1);
    EXPECT_EQ(SoleWinner({310, 250, -40, 180}), 0);
}

} // namespace
