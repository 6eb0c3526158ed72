// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SuitShapes.h"

#include <QImage>

// Every picture is laid out in the 1x coordinate system (cards are 71 x 96) and
// rendered with the painter scaled, so the @2x files get real detail instead of blur.
inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;
inline constexpr int kPileBackSize = 36;

// value is 2..14 with 11 Jack, 12 Queen, 13 King, 14 Ace.
QImage RenderCardFace(Suit suit, int value, int scale);
QImage RenderCardBack(int scale);
QImage RenderPileBack(int scale);

// Width of a hairline that stays one device pixel at 1x, a pixel and a half at 2x and two at 3x.
qreal HairlineWidth(int scale);
