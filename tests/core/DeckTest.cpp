#include "state/Card.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace tarnwick;

DeckOfCards FreshDeck() {
    DeckOfCards Deck;
    InitDeck(Deck);
    return Deck;
}

TEST(Deck, CardsKnowWhoTheyAre) {
    const struct {
        int CardNo;
        int Suit;
        int Value;
        const char* SuitName;
        const char* FullName;
    } Cases[] = {
        {1, 1, 2, "Diamonds", "Two  of  Diamonds"}, {13, 1, 14, "Diamonds", "Ace  of  Diamonds"},
        {14, 2, 2, "Clubs", "Two  of  Clubs"},      {26, 2, 14, "Clubs", "Ace  of  Clubs"},
        {27, 3, 2, "Hearts", "Two  of  Hearts"},    {37, 3, 12, "Hearts", "Queen of  Hearts"},
        {39, 3, 14, "Hearts", "Ace  of  Hearts"},   {40, 4, 2, "Spades", "Two  of  Spades"},
        {50, 4, 12, "Spades", "Queen of  Spades"},  {51, 4, 13, "Spades", "King of  Spades"},
        {52, 4, 14, "Spades", "Ace  of  Spades"},
    };
    const DeckOfCards Deck = FreshDeck();
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.CardNo);
        const Card& Got = Deck[C.CardNo];
        EXPECT_EQ(Got.CardNo, C.CardNo);
        EXPECT_EQ(Got.Suit, C.Suit);
        EXPECT_EQ(Got.Value, C.Value);
        EXPECT_EQ(Got.SuitName, C.SuitName);
        EXPECT_EQ(Got.FullName, C.FullName);
    }
}

TEST(Deck, SpadesAreExactlyTheCardsFromFortyUp) {
    const DeckOfCards Deck = FreshDeck();
    EXPECT_EQ(Deck[39].Suit, Hearts);
    EXPECT_EQ(Deck[40].Suit, Spades);
    for (int K = 1; K <= CardCount; ++K)
        EXPECT_EQ(Deck[K].Suit == Spades, K >= 40) << K;
}

TEST(Deck, EveryRankNameKeepsItsBlanks) {
    const std::array<const char*, 13> RankNames = {
        "Two  of  ", "Three of  ", "Four of  ", "Five of  ",  "Six of  ",  "Seven of  ", "Eight of  ",
        "Nine of  ", "Ten of  ",   "Jack of  ", "Queen of  ", "King of  ", "Ace  of  ",
    };
    const std::array<const char*, 4> SuitNames = {"Diamonds", "Clubs", "Hearts", "Spades"};
    const DeckOfCards Deck = FreshDeck();
    for (int K = 1; K <= CardCount; ++K) {
        SCOPED_TRACE(K);
        const size_t Place = static_cast<size_t>((K - 1) % 13);
        const size_t Suit = static_cast<size_t>((K - 1) / 13);
        EXPECT_EQ(Deck[K].RankName, RankNames[Place]);
        EXPECT_EQ(Deck[K].Value, static_cast<int>(Place) + 2);
        EXPECT_EQ(Deck[K].FullName, std::string(RankNames[Place]) + SuitNames[Suit]);
    }
}

TEST(Deck, EveryCardStartsInThePackUnplayed) {
    DeckOfCards Deck;
    for (int K = 1; K <= CardCount; ++K)
        Deck[K].Holder = static_cast<int16_t>(K % 4);
    InitDeck(Deck);
    for (int K = 1; K <= CardCount; ++K) {
        EXPECT_EQ(Deck[K].Holder, InNoHand) << K;
        EXPECT_FALSE(Deck[K].Played) << K;
    }
}

} // namespace
