// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Some widgets only repeat, for the eye, what assistive technology is told another way: the
// pictures of a trick pile after the first, the title strip and message that name and describe
// the message box. Their parent does not list them, so a screen reader does not read them twice.

class QAccessibleInterface;
class QWidget;

namespace tarnwick {

// Leaves Widget out of what its parent lists to assistive technology.
void LeaveUnlisted(QWidget* Widget);

// The interface of a widget that leaves some of its children unlisted, or null for any other.
QAccessibleInterface* ListingInterface(QWidget* Widget);

} // namespace tarnwick
