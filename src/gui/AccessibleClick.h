// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player acts only by clicking. Each click is also offered to assistive technology as the
// Press action of the element clicked, so that a player who cannot aim a pointer, or cannot see
// the table, can still make every move.

#include <QAccessible>

#include <functional>

class QAccessibleInterface;
class QWidget;

namespace tarnwick {

// Offers Target's click as a Press action. Click must run exactly what a mouse click on Target
// runs, so the game refuses, locks and answers alike. Offered says when the click is there to
// be had; the action is in any case withheld while Target is hidden or its window waits behind a
// modal box, as a mouse could not reach it then either. Role is what Target is to the player.
void OfferClick(QWidget* Target, QAccessible::Role Role, std::function<void()> Click,
                std::function<bool()> Offered = {});

// The interface of a widget whose click has been offered, or null for any other widget.
QAccessibleInterface* ClickInterface(QWidget* Widget);

} // namespace tarnwick
