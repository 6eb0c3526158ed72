// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records as the player meets them: the statistics frame, wiping the records, and the name.

#include "commands/ClickResult.h"
#include "flow/Game.h"

namespace tarnwick {

// View, Statistics: the money and games-won frame in front of everything.
ClickResult mnuFunmun_Click(Game& G);
// The frame's Close button.
ClickResult Command1_Click(Game& G);
// View, Delete Statistics: asks, then sets every balance and count back to zero and saves.
ClickResult MnuDelete_Click(Game& G);
// Options, Change your Name: asks for the name.
ClickResult mnuNameChange_Click(Game& G);

} // namespace tarnwick
