// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/Game.h"

namespace tarnwick {

// Copies the scores, bags, name, hand number, target and records into the score panel and the
// statistics frame.
void ShowScores(Game& G);

} // namespace tarnwick
