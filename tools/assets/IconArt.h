// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include <array>

class QPainter;

// What the spade on the emblem carries: nothing where a letter would be a smudge, the
// initial on the program's icon, or the whole name where the message box shows it.
enum class EmblemLabel { None, Monogram, Name };

// The square sizes a desktop's hicolor icon theme looks for.
inline constexpr std::array<int, 6> kIconSizes = {16, 32, 48, 64, 128, 256};

// Draws the emblem, a black spade on a red rounded square, filling square. pixel is the
// length of one device pixel in the painter's coordinates, so rims stay crisp at any size.
void DrawEmblem(QPainter& painter, const QRectF& square, qreal pixel, EmblemLabel label);

// The program's icon at size x size pixels on a transparent background.
QImage RenderIcon(int size);

// The same icon as a scalable SVG document, built from the very outlines RenderIcon fills.
QString IconSvg();
