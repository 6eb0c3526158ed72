#pragma once
// The menu commands that start and end things.

#include "state/Game.h"

namespace tarnwick {

// New Game (F2). Heard only while the Game menu is enabled, so never in the middle of a deal.
void MnuNew_Click(Game& G);

} // namespace tarnwick
