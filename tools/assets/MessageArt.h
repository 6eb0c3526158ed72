// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The message box's pictures are square, laid out at 32 x 32 and drawn again at each
// scale so the @2x files carry real detail. They sit on the box's dark grey, so they
// need light, saturated ink and a transparent background.
inline constexpr int kMessagePictureSize = 32;
inline constexpr int kMessagePictureCount = 9;

// number is 1..9: question, information, warning, skull, emblem, happy face, sad face,
// and the emblem twice more for the messages that carry the game's own mark.
QImage RenderMessagePicture(int number, int scale);
