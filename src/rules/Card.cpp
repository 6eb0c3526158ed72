// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Card.h"

#include <sstream>

namespace tarnwick {

namespace {

// Two blanks after "Two" and "Ace", one after the rest, and two at the end of every one: the
// play announcements are built on exactly these.
constexpr std::array<const char*, 13> RankNames = {
    "Two  of  ", "Three of  ", "Four of  ", "Five of  ",  "Six of  ",  "Seven of  ", "Eight of  ",
    "Nine of  ", "Ten of  ",   "Jack of  ", "Queen of  ", "King of  ", "Ace  of  ",
};
constexpr std::array<const char*, 4> SuitNames = {"Diamonds", "Clubs", "Hearts", "Spades"};

} // namespace

void InitDeck(DeckOfCards& Deck) {
    for (int K = 1; K <= CardCount; ++K) {
        const int Place = (K - 1) % 13;
        Card& C = Deck[K];
        C.Value = static_cast<int16_t>(2 + Place);
        C.RankName = RankNames[static_cast<size_t>(Place)];
        C.CardNo = static_cast<int16_t>(K);
    }
    for (int K = 1; K <= CardCount; ++K) {
        Card& C = Deck[K];
        C.Suit = static_cast<uint8_t>((K - 1) / 13 + 1);
        C.SuitName = SuitNames[C.Suit - 1u];
    }
    for (int K = 1; K <= CardCount; ++K) {
        Card& C = Deck[K];
        C.FullName = C.RankName + C.SuitName;
        C.Holder = InNoHand;
    }
}

std::string SpokenName(const Card& C) {
    std::istringstream Words(C.FullName);
    std::string Word, Plain;
    while (Words >> Word)
        Plain += (Plain.empty() ? "" : " ") + Word;
    return Plain;
}

} // namespace tarnwick
