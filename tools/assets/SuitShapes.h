// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

enum class Suit { Diamonds = 1, Clubs = 2, Hearts = 3, Spades = 4 };

// Outline of a suit symbol centred on the origin inside a 1 x 1 box, y pointing down.
QPainterPath SuitPath(Suit suit);

// The spade's blade and stem as two overlapping outlines that both wind clockwise, so a
// non-zero fill covers their union. Vector output uses this instead of SuitPath, whose
// merged outline is a long polygon.
QPainterPath SpadePieces();

QColor SuitColour(Suit suit);

// Fills a suit symbol of the given size; inverted pips are the ones in the lower half of a card.
void DrawPip(QPainter& painter, Suit suit, QPointF centre, qreal width, qreal height, bool inverted);
