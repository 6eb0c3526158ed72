// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The human's turn: the prompt, the wait for a card, and its way to the table.

#include "flow/Game.h"
#include "flow/Task.h"

namespace tarnwick {

// The human's turn in place Place (1 leads .. 4 last): the prompt, the wait for a legal card, and
// the card put on the table.
Task<> HumanTurn(Game& G, int Place);

} // namespace tarnwick
