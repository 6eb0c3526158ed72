// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/Game.h"
#include "flow/Task.h"

namespace tarnwick {

// Turns the finished trick face down, gathers it, sends it to the winner's side, adds a back to
// the winner's row of tricks and lays the hands out again.
Task<> JustMoveCardsOut(Game& G, uint8_t WinnerOfTrick);

} // namespace tarnwick
