// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys the table takes, told from Qt's key events; with Ctrl or Alt held a key is left to the
// menus and the buttons' access keys.

#include "commands/Keys.h"

#include <optional>

class QKeyEvent;
class QWidget;

namespace tarnwick {

std::optional<Key> TableKeyOf(const QKeyEvent& Event);

// Tells a screen reader that the focus now rests on Target.
void AnnounceFocus(QWidget* Target);

} // namespace tarnwick
