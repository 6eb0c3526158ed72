// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scoring of a hand at the table: the score panel, the results and the wait for Continue.

#include "flow/Game.h"
#include "flow/Task.h"

namespace tarnwick {

// Scores the hand, shows the results and waits for Continue, then decides whether the game goes on.
Task<> ScoreHand(Game& G);

} // namespace tarnwick
