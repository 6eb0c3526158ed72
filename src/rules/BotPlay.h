// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How Rodrick, Desmond and Beatrix choose a card in each place of a trick. They play by fixed rules,
// the same card every time in the same situation, looking only at their own hand, the cards on the
// table, the suit led and which cards have gone this hand; bids, tricks and scores never enter it.
//
// Each routine only chooses, from a state it cannot change, and returns the card; the flow puts it
// on the table (MoveToTrick: its place in the trick, the suit led, spades broken). The seat must
// hold at least one card, and for the second to fourth places the cards already on the table and
// the suit led must be set and marked played.

#include "rules/GameState.h"

#include <cstdint>

namespace tarnwick {

// Whether spades are broken the lead works out afresh from the cards gone this hand.
int16_t BotLeads(const GameState& S, uint8_t Seat);
int16_t BotPlaysSecond(const GameState& S, uint8_t Seat);
int16_t BotPlaysThird(const GameState& S, uint8_t Seat);
int16_t BotPlaysFourth(const GameState& S, uint8_t Seat);

// The choice for Place in the trick: 1 leads, 2 to 4 follow.
int16_t BotPlaysPlace(const GameState& S, uint8_t Seat, int Place);

} // namespace tarnwick
