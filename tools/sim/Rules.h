// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of play and scoring as the simulator checks them. They are written here afresh from
// the rules rather than borrowed from the game, so that a slip in either shows against the other.

#include <array>
#include <cstdint>

namespace tarnwick::sim {

// A set of cards, bit K for card K (1..52).
using CardSet = uint64_t;

constexpr CardSet CardBit(int Card) {
    return CardSet{1} << Card;
}
constexpr int SuitOf(int Card) {
    return (Card - 1) / 13 + 1;
}
constexpr bool IsSpade(int Card) {
    return Card >= 40;
}
constexpr bool IsCard(int Card) {
    return Card >= 1 && Card <= 52;
}
CardSet SuitCards(int Suit);
int CountCards(CardSet Cards);

// Whether Card may go from the hand Held: a lead may not be a spade before spades are broken
// unless the hand holds nothing else; a follower follows the suit led when it can, and may trump
// or throw anything when it cannot. LedCard is 0 for a lead.
bool IsLegalPlay(CardSet Held, int Card, int LedCard, bool SpadesBroken);

// The highest spade wins, else the highest card of the suit led; Cards in order of play.
int TrickWinner(const std::array<int16_t, 4>& Cards, int Leader);

// The points a seat scores in a hand, nil bonus or loss included, bag penalty not.
int HandPointsFor(int Bid, int Tricks);

struct BagsAfterHand {
    int OverTricks = 0;
    int Bags = 0;
    bool Penalty = false;
};
// Overtricks go on the carried bags; reaching ten costs 100 points, once a hand, and the rest is
// carried.
BagsAfterHand AddBags(int BagsBefore, int Bid, int Tricks);

// A computer player's bid: one for each Ace and King and one for the Queen of Spades, at least 1,
// and one more when a trick over the bid would land exactly on the target.
int BotBidFor(CardSet Held, int Score, int Target);

// Whether the game is over after hand HandNo with these scores: at the target, after the eighth
// hand unless two scores are level there, and after a ninth hand whatever the scores.
bool GameEndsAfter(int HandNo, const std::array<int16_t, 4>& Score, int Target);

// The seat with the highest score, or -1 when that score is shared.
int SoleWinner(const std::array<int16_t, 4>& Score);

} // namespace tarnwick::sim
