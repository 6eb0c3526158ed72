// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How big the table is drawn. The layout is in twips, drawn for 120 dots per inch where twelve
// twips make a pixel; the table grows and shrinks with its window by one factor on top of that.
// Every position, size and font of the table and its message box goes through here.

#include "flow/DisplayModel.h"

#include <QFont>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tarnwick {

inline constexpr double TwipsPerPixel = 12.0;

// The bold Times New Roman of every text at the table, at a size in pixels.
QFont TableFont(int PixelSize = 14);

class TableScale {
public:
    // Factor 1 draws the table at its designed size, 1048 x 888 pixels.
    explicit TableScale(double Factor = 1.0) : Factor(Factor) {}

    double Factor = 1.0;

    // The pixel column or row on which a twip edge falls. Both edges of a box are rounded, not
    // its size, so boxes that meet in twips meet in pixels at every scale.
    int X(double Twips) const { return Edge(OriginLeft + Twips) - Edge(OriginLeft); }
    int Y(double Twips) const { return Edge(OriginTop + Twips) - Edge(OriginTop); }
    QPoint At(double Left, double Top) const { return {X(Left), Y(Top)}; }
    QRect Box(const Rect& R) const;
    // A length that belongs to no edge of the layout, such as a card's size or a margin.
    int Length(double Twips) const;
    // A size in pixels at the designed scale, scaled.
    int Pixels(int DesignedPixels) const;
    // Text never grows beyond the scale, so whatever fits at the designed size fits at any.
    int FontPixels(int DesignedPixels) const;
    QFont Font(int DesignedPixels = 14) const { return TableFont(FontPixels(DesignedPixels)); }

    // The same scale for the boxes inside a frame placed at Frame.
    TableScale Inside(const Rect& Frame) const;
    // The table's client area, 12576 x 10656 twips.
    QSize TableSize() const { return {X(ClientWidth), Y(ClientHeight)}; }
    // The largest scale at which the whole table fits into Room.
    static double ToFit(QSize Room);

    bool operator==(const TableScale&) const = default;

private:
    int Edge(double Twips) const;

    double OriginLeft = 0, OriginTop = 0;
};

// The window manager's frame round a window; before the window has one, what a usual title bar
// and thin borders take.
QMargins FrameAround(const QWidget* Window);
// What a window may take of its screen's available area, its frame left out.
QSize RoomOnScreen(const QWidget* Window);

} // namespace tarnwick
