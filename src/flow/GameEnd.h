// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The end of a game: at the target, or after the eighth hand (one more hand when two scores are
// level there). The sole highest score wins and collects a cent a point of the difference from
// every other seat; a shared highest score wins nothing.

#include "flow/Game.h"
#include "flow/Task.h"

namespace tarnwick {

// Finds the sole winner, moves the money, shows it and writes both records files. No winner,
// no money and no files when the highest score is shared.
void SettleGame(Game& G);

Task<> EndOfGameCheck(Game& G);

} // namespace tarnwick
