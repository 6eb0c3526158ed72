// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/TableScale.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

// Before the window manager has framed a window its frame is unknown; a usual title bar and thin
// borders are allowed for, so the framed window still fits.
const QMargins LikelyFrame(4, 32, 4, 4);

// Float error in Pixels * Factor must not drop a lettering size that is whole at the scale to the
// size below it.
constexpr double Slack = 1e-9;

} // namespace

QFont TableFont(int PixelSize) {
    QFont F(QStringLiteral("Times New Roman"));
    F.setPixelSize(PixelSize);
    F.setBold(true);
    return F;
}

int TableScale::Edge(double Twips) const {
    return static_cast<int>(std::lround(Twips * Factor / TwipsPerPixel));
}

QRect TableScale::Box(const Rect& R) const {
    const int Left = X(R.Left), Top = Y(R.Top);
    return QRect(Left, Top, X(R.Left + R.Width) - Left, Y(R.Top + R.Height) - Top);
}

int TableScale::Length(double Twips) const {
    return Edge(Twips);
}

int TableScale::Pixels(int DesignedPixels) const {
    return static_cast<int>(std::lround(DesignedPixels * Factor));
}

int TableScale::FontPixels(int DesignedPixels) const {
    return std::max(1, static_cast<int>(std::floor(DesignedPixels * Factor + Slack)));
}

TableScale TableScale::Inside(const Rect& Frame) const {
    TableScale In = *this;
    In.OriginLeft += Frame.Left;
    In.OriginTop += Frame.Top;
    return In;
}

double TableScale::ToFit(QSize Room) {
    return std::min(Room.width() * TwipsPerPixel / ClientWidth, Room.height() * TwipsPerPixel / ClientHeight);
}

QMargins FrameAround(const QWidget* Window) {
    QMargins Frame;
    if (Window->isVisible() && Window->windowHandle()) Frame = Window->windowHandle()->frameMargins();
    return Frame.isNull() ? LikelyFrame : Frame;
}

QSize RoomOnScreen(const QWidget* Window) {
    const QScreen* Screen = Window->screen();
    const QRect Available = Screen ? Screen->availableGeometry() : QRect();
    return Available.size().shrunkBy(FrameAround(Window));
}

} // namespace tarnwick
