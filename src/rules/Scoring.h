// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scoring of a hand: ten points a trick bid when the bid is made and one for every
// overtrick, ten a trick bid lost when it is not, 200 won or lost on a nil bid, and 100 lost each
// time a seat's carried bags reach ten. And when a game ends: at the target, or after the eighth
// hand (one more hand when two scores are level there).

#include "rules/GameState.h"

#include <cstdint>
#include <string>

namespace tarnwick {

int16_t HandPoints(int16_t Tricks, int16_t Bid);

// Scores one seat's hand into Score, HandScore, OverTricks, Bags and BagPenalty.
void ScoreSeat(GameState& S, uint8_t Seat);

// The seat's results text for the hand just scored, in its own wording.
std::string ResultsText(const GameState& S, uint8_t Seat);

// True only after the eighth hand, when any two seats have the same score.
bool CheckForDraw(const GameState& S);

// True when the game is over after the hand just scored.
bool GameIsOver(const GameState& S);

} // namespace tarnwick
