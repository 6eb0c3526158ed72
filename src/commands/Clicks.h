// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way in for every click of the player, from the window, the simulator and the tests.

#include "commands/ClickResult.h"
#include "flow/Game.h"
#include "flow/Elements.h"

namespace tarnwick {

ClickResult Click(Game& G, Clickable Target);

} // namespace tarnwick
