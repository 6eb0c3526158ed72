// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SuitShapes.h"

#include <QRectF>

class QPainter;

// Draws the double-headed picture of a Jack (11), Queen (12) or King (13) inside frame.
void DrawCourt(QPainter& painter, Suit suit, int value, const QRectF& frame, int scale);
