// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 52 cards. A card's number is 13 x (Suit - 1) + (Value - 1): Diamonds 1..13, Clubs 14..26,
// Hearts 27..39, Spades 40..52, each suit from the Two up to the Ace. So a card is a spade exactly
// when its number is 40 or more, a higher number in a suit is a higher card, and walking the
// numbers visits a hand sorted as it is laid out on the table.

#include <array>
#include <cstdint>
#include <string>

namespace tarnwick {

inline constexpr int CardCount = 52;
inline constexpr int BackPicture = 53;

inline constexpr uint8_t Diamonds = 1, Clubs = 2, Hearts = 3, Spades = 4;
// A card's Value runs from 2 up to the Ace.
inline constexpr int16_t Jack = 11, Queen = 12, King = 13, Ace = 14;

constexpr int16_t CardOf(int16_t Value, uint8_t Suit) {
    return static_cast<int16_t>(13 * (Suit - 1) + (Value - 1));
}
// The suit's Two and its Ace.
constexpr int16_t FirstOfSuit(uint8_t Suit) {
    return CardOf(2, Suit);
}
constexpr int16_t LastOfSuit(uint8_t Suit) {
    return CardOf(Ace, Suit);
}
constexpr bool IsSpade(int CardNo) {
    return CardNo >= FirstOfSuit(Spades);
}

inline constexpr int16_t AceOfSpades = CardOf(Ace, Spades), QueenOfSpades = CardOf(Queen, Spades);

// Where a card is: 0..3 in that seat's hand, or in none.
inline constexpr int16_t InNoHand = 5;

struct Card {
    int16_t CardNo = 0;
    std::string FullName;
    std::string SuitName;
    uint8_t Suit = 0;
    int16_t Value = 0;
    int16_t Holder = InNoHand;
    bool Played = false;
    std::string RankName;
};

// The cards indexed by their numbers 1..52.
class DeckOfCards {
public:
    Card& operator[](int CardNo) { return Cards.at(static_cast<size_t>(CardNo)); }
    const Card& operator[](int CardNo) const { return Cards.at(static_cast<size_t>(CardNo)); }

private:
    std::array<Card, CardCount + 1> Cards{};
};

void InitDeck(DeckOfCards& Deck);

// A card's name as a screen reader says it: "Queen of Hearts", without the table's wide spacing.
std::string SpokenName(const Card& C);

} // namespace tarnwick
