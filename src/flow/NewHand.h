// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start of a game and of every hand.

#include "flow/Game.h"
#include "flow/Task.h"

namespace tarnwick {

// The table reset before every hand; with no game in progress it also clears the scores, the
// bags and the hand count.
void ClearTable(Game& G);

// One hand: reset, riffle, deal, bidding, its thirteen tricks and its scoring.
Task<> NewHand(Game& G);

// Hand after hand, each dealt by the next seat, until the game is over.
Task<> PlayGame(Game& G);

// Gives up whatever hand is under way, whatever it waits for, and starts a fresh game.
void StartNewGame(Game& G);

// The dealer and leader announcement for the hand dealt by Dealer.
const char* DealerText(uint8_t Dealer);

} // namespace tarnwick
