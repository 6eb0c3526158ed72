// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How Rodrick, Desmond and Beatrix choose a card in each place of a trick. They play by fixed rules,
// the same card every time in the same situation, looking only at their own hand, the cards on the
// table, the suit led and which cards have gone this hand; bids, tricks and scores never enter it.
//
// Each routine only chooses: it records the card in its place of the trick and returns it, and the
// caller puts it on the table (Holder, Played and CardsLeft are the caller's). The seat must hold at
// least one card, and for the second to fourth places the cards already on the table and the suit
// led must be set and marked played.

#include "rules/GameState.h"

#include <cstdint>

namespace tarnwick {

// Sets FirstCard and SuitLed, and works out afresh whether spades are broken.
int16_t BotLeads(GameState& S, uint8_t Seat);
int16_t BotPlaysSecond(GameState& S, uint8_t Seat);
int16_t BotPlaysThird(GameState& S, uint8_t Seat);
int16_t BotPlaysFourth(GameState& S, uint8_t Seat);

// The choice for Place in the trick: 1 leads, 2 to 4 follow.
int16_t BotPlaysPlace(GameState& S, uint8_t Seat, int Place);

} // namespace tarnwick
