// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thirteen tricks of a hand: whose turn it is, the computer players' cards put on the table,
// the winner of each trick, and the end of the hand.

#include "state/Game.h"
#include "state/Task.h"
#include "table/Deal.h"

namespace tarnwick {

// Plays the hand's tricks from the first lead to "The hand is over".
Task<> PlayTricks(Game& G);

// The chosen card CardNo leaves Seat's hand for place Place of the trick (1 leads .. 4 last): it
// becomes the trick's card of that place (a lead sets the suit led too) and the seat's played card,
// the seat holds one card fewer, the card counts as played, and a spade breaks spades. Only the
// state: the card's picture, sound and pauses are the caller's.
void MoveToTrick(GameState& S, uint8_t Seat, int16_t CardNo, int Place);

// A computer player's chosen card goes face up to its place in the middle.
Task<> BotPlaysCard(Game& G, uint8_t BotSeat, int16_t BotCard, int Place);

// Where Seat's card lies in the middle of the table.
CardPlace PlaceOnTable(uint8_t Seat);

// The highest spade wins, else the highest card of the suit led.
uint8_t GetWinner(const GameState& S);

// Counts, announces and sweeps the finished trick; true when it was the hand's last.
Task<bool> EndOfTrick(Game& G);

} // namespace tarnwick
