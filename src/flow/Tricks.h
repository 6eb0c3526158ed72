// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thirteen tricks of a hand: whose turn it is, the computer players' cards put on the table,
// the winner of each trick, and the end of the hand.

#include "flow/Game.h"
#include "flow/Task.h"

namespace tarnwick {

// Plays the hand's tricks from the first lead to "The hand is over".
Task<> PlayTricks(Game& G);

// A computer player's chosen card goes face up to its place in the middle.
Task<> BotPlaysCard(Game& G, uint8_t BotSeat, int16_t BotCard, int Place);

// Counts, announces and sweeps the finished trick; true when it was the hand's last.
Task<bool> EndOfTrick(Game& G);

} // namespace tarnwick
