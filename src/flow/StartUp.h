// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/Game.h"
#include "flow/Task.h"

namespace tarnwick {

// The table's start-up: target and name, the records read from their files, the score panel,
// the card records, and the pack riffled onto the table. Nothing is dealt.
Task<> Form_Load(Game& G);

} // namespace tarnwick
