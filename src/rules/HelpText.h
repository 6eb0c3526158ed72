// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the game as the help window shows them: thirty-two lines, painted one below the
// other exactly as they are here. The blanks that start a line indent it, so they matter.

#include <array>
#include <string>

namespace tarnwick {

inline constexpr size_t HelpLineCount = 32;

const std::array<std::string, HelpLineCount>& HelpLines();

} // namespace tarnwick
