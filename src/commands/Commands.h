// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu commands that start and end games and the program, and that set the target.

#include "commands/ClickResult.h"
#include "flow/Game.h"

namespace tarnwick {

// New Game (F2): at once with no game under way, after a question in the middle of one. Each
// command is Ignored while its menu rests, and a question while another is open.
ClickResult MnuNew_Click(Game& G);
// Exit (Ctrl+X): after a question, closes every window, writes both records files and ends.
ClickResult MnuExit_Click(Game& G);

// The Options menu's three target commands; a game under way goes on towards the new target.
ClickResult Mnu300_Click(Game& G);
ClickResult Mnu200_Click(Game& G);
ClickResult Mnu100_Click(Game& G);

} // namespace tarnwick
