// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scoring of a hand: ten points a trick bid when the bid is made and one for every
// overtrick, ten a trick bid lost when it is not, 200 won or lost on a nil bid, and 100 lost each
// time a seat's carried bags reach ten.

#include "state/Game.h"
#include "state/Task.h"

#include <string>

namespace tarnwick {

int16_t HandPoints(int16_t Tricks, int16_t Bid);

// Scores one seat's hand into Score, HandScore, OverTricks, Bags and BagPenalty.
void ScoreSeat(GameState& S, uint8_t Seat);

// The seat's results text for the hand just scored, in its own wording.
std::string ResultsText(const GameState& S, uint8_t Seat);

// Scores the hand, shows the results and waits for Continue, then decides whether the game goes on.
Task<> ScoreHand(Game& G);

// The results frame's Continue button.
void CmdClose_Click(Game& G);

} // namespace tarnwick
