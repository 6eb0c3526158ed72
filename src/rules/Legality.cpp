// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Legality.h"

namespace tarnwick {

namespace {

bool HoldsAnyNonSpade(const GameState& S) {
    for (int K = 1; K <= LastOfSuit(Hearts); ++K)
        if (S.Deck[K].Holder == Human) return true;
    return false;
}

bool HoldsSuit(const GameState& S, uint8_t Suit) {
    for (int K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder == Human && S.Deck[K].Suit == Suit) return true;
    return false;
}

} // namespace

int HumanPlaceInTrick(const GameState& S) {
    // Every hand counted in one pass over the deck: this is asked at every click on a card.
    BySeat<uint8_t> Left{};
    for (int K = 1; K <= CardCount; ++K) {
        const int16_t Holder = S.Deck[K].Holder;
        if (Holder >= 0 && Holder < SeatCount) ++Left[static_cast<size_t>(Holder)];
    }
    int Place = 1;
    for (uint8_t Seat = West; Seat <= East; ++Seat)
        if (Left[Seat] < Left[Human]) ++Place;
    return Place;
}

bool IsLegalForHuman(const GameState& S, int16_t CardNo, bool Leading) {
    const Card& C = S.Deck[CardNo];
    if (Leading) return S.SpadesBroken || !HoldsAnyNonSpade(S) || C.Suit != Spades;
    const uint8_t Led = S.Deck[FirstCard(S)].Suit;
    return !HoldsSuit(S, Led) || C.Suit == Led;
}

} // namespace tarnwick
