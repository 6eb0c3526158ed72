// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/Game.h"

namespace tarnwick {

// Copies the scores, bags, name, hand number, target and records into the score panel and the
// statistics frame.
void ShowScores(Game& G);

// The Options menu's three target commands; a game under way goes on towards the new target.
void Mnu300_Click(Game& G);
void Mnu200_Click(Game& G);
void Mnu100_Click(Game& G);

} // namespace tarnwick
