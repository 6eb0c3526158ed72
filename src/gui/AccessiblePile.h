// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each seat's row of small card backs, one for every trick the seat has won, is told to
// assistive technology as one picture named for the seat and its count ("Beatrix's tricks: 4"),
// not as thirteen pictures alike.

#include <QString>

#include <vector>

class QAccessibleInterface;
class QWidget;

namespace tarnwick {

// Images are the row's pictures in order, the first shown for the first trick; Whose begins the
// name, as in "Beatrix's" or "Your". The first picture stands for the row; the others are left
// unlisted.
void DescribeTrickPile(const std::vector<QWidget*>& Images, const QString& Whose);

// The interface of a row's first picture, or null for any other widget.
QAccessibleInterface* PileInterface(QWidget* Widget);

} // namespace tarnwick
