// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where everything of the message box lies, whatever it asks.

#include "flow/DisplayModel.h"

#include <array>

namespace tarnwick {

// Where everything of the box lies, in twips, for a message that wraps to MessageHeight twips.
struct MsgBoxGeometry {
    double Width = 0, Height = 0;
    Rect TitleStrip, Message, Picture;
    std::array<Rect, 3> Buttons;
    std::array<bool, 3> ButtonShown{};
};
inline constexpr double MsgBoxMessageWidth = 3375;
MsgBoxGeometry LayOutMsgBox(const MessageBoxModel& Box, double MessageHeight);

} // namespace tarnwick
