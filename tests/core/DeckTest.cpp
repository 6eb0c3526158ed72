#include "state/Card.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace tarnwick;

// Two blanks after "Two" and "Ace", one after the rest, and two before every suit.
TEST(Deck, EveryCardKnowsItsSuitValueAndNameWithItsBlanks) {
    const std::array<std::string, 13> Ranks = {
        "Two  of  ", "Three of  ", "Four of  ", "Five of  ",  "Six of  ",  "Seven of  ", "Eight of  ",
        "Nine of  ", "Ten of  ",   "Jack of  ", "Queen of  ", "King of  ", "Ace  of  "};
    const std::array<std::string, 4> Suits = {"Diamonds", "Clubs", "Hearts", "Spades"};
    DeckOfCards Deck;
    for (int K = 1; K <= CardCount; ++K)
        Deck[K].Holder = static_cast<int16_t>(K % 4);
    InitDeck(Deck);
    for (int K = 1; K <= CardCount; ++K) {
        SCOPED_TRACE(K);
        const auto Place = static_cast<size_t>((K - 1) % 13), Suit = static_cast<size_t>((K - 1) / 13);
        const Card& C = Deck[K];
        EXPECT_EQ(C.CardNo, K);
        EXPECT_EQ(C.Suit, Suit + 1);
        EXPECT_EQ(C.Value, static_cast<int>(Place) + 2);
        EXPECT_EQ(C.RankName, Ranks[Place]);
        EXPECT_EQ(C.SuitName, Suits[Suit]);
        EXPECT_EQ(C.FullName, Ranks[Place] + Suits[Suit]);
        EXPECT_EQ(C.Holder, InNoHand);
        EXPECT_FALSE(C.Played);
    }
    EXPECT_EQ(Deck[40].Suit, Spades);
    EXPECT_EQ(Deck[52].FullName, "Ace  of  Spades");
}

} // namespace
