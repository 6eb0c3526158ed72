// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window paints its rules rather than showing them in widgets; assistive technology is
// told each printed line as a line of text where it is painted, ahead of the Exit button.

class QAccessibleInterface;
class QWidget;

namespace tarnwick {

// The interface of the help window, or null for any other widget.
QAccessibleInterface* HelpInterface(QWidget* Widget);

} // namespace tarnwick
