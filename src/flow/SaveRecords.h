// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing the records from a game: the file is replaced whole or not at all, and a save that fails
// keeps the old file and tells the player, once, in the status bar.

#include "flow/Game.h"

namespace tarnwick {

// What the player reads when the records could not be written, after the name.
inline constexpr const char* SaveFailedText = " Sorry, your records could not be saved.";

// Money.dat from the game's fun money; false when the file could not be written.
bool SaveMoneyData(Game& G);
// Name.dat from the game's name and games won; false when the file could not be written.
bool SaveNameData(Game& G);

} // namespace tarnwick
