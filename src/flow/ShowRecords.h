// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics frame's money and games-won labels, refreshed from the records in memory.

#include "flow/Game.h"

namespace tarnwick {

void ShowMoney(Game& G);
// Seat numbers outside 0..3 show nothing.
void ShowGamesWon(Game& G, int Seat);

} // namespace tarnwick
