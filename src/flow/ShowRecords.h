// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records as the table shows them: the statistics frame's money and games-won labels, and the
// player's name, refreshed from the records in memory.

#include "flow/Game.h"

namespace tarnwick {

void ShowMoney(Game& G);
// Seat numbers outside 0..3 show nothing.
void ShowGamesWon(Game& G, int Seat);
// The name everywhere it shows: south's seat label, the score panel and the statistics frame.
void ShowPlayerName(Game& G);

} // namespace tarnwick
