// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gathering the pack and dealing it: thirteen circuits clockwise from the seat after the dealer,
// every card drawn at random from those not yet dealt and flown to its seat in two moves.

#include "flow/Game.h"
#include "flow/Task.h"

namespace tarnwick {

// The 52 backs stacked in the middle of the green table, card 52 on top.
Task<> Riffle(Game& G);

Task<> DealHand(Game& G);
// One card to Seat: drawn, flown in two moves, and the seat's hand laid out again.
Task<> DealTo(Game& G, uint8_t Seat);

// Lays out a seat's hand in card-number order: the human's face up along the bottom, the
// others face down along their edges.
void ShowHand(Game& G, uint8_t Seat);

// A card still in the pack, drawn as this game always has: u x 52 rounded to the nearest whole
// number (halves to even), redrawn when it is 0 or already dealt. So the Ace of Spades comes up
// half as often as the others at each draw.
int16_t RandomCard(Game& G);

} // namespace tarnwick
