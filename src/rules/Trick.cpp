// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Trick.h"

namespace tarnwick {

void MoveToTrick(GameState& S, uint8_t Seat, int16_t CardNo, int Place) {
    if (Place == 1) S.SuitLed = S.Deck[CardNo].Suit;
    S.PlayedCard[Seat] = CardNo;
    S.Deck[CardNo].Holder = InNoHand;
    S.Deck[CardNo].Played = true;
    if (IsSpade(CardNo)) S.SpadesBroken = true;
}

uint8_t GetWinner(const GameState& S) {
    for (int16_t K = AceOfSpades; K >= FirstOfSuit(Spades); --K)
        for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
            if (S.PlayedCard[Seat] == K) return Seat;
    for (int16_t K = AceOfSpades; K >= 1; --K) {
        if (S.Deck[K].Suit != S.SuitLed) continue;
        for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
            if (S.PlayedCard[Seat] == K) return Seat;
    }
    return Human;
}

} // namespace tarnwick
