// SPDX-License-Identifier: GPL-3.0-or-later
#include "SuitShapes.h"

#include <QPainter>
#include <QTransform>

#include <initializer_list>

namespace {

// Path set operations flatten curves with a tolerance in absolute units, which would
// turn a unit-sized shape into a polygon, so the union is taken at a large scale.
QPainterPath Union(std::initializer_list<QPainterPath> parts) {
    constexpr qreal magnify = 1000.0;
    const QTransform up = QTransform::fromScale(magnify, magnify);
    QPainterPath merged;
    for (const QPainterPath& part : parts)
        merged = merged.united(up.map(part));
    return QTransform::fromScale(1.0 / magnify, 1.0 / magnify).map(merged);
}

QPainterPath HeartPath() {
    QPainterPath p;
    p.moveTo(0.0, 0.5);
    p.cubicTo(-0.12, 0.30, -0.5, 0.10, -0.5, -0.20);
    p.cubicTo(-0.5, -0.40, -0.36, -0.5, -0.25, -0.5);
    p.cubicTo(-0.11, -0.5, -0.03, -0.41, 0.0, -0.29);
    p.cubicTo(0.03, -0.41, 0.11, -0.5, 0.25, -0.5);
    p.cubicTo(0.36, -0.5, 0.5, -0.40, 0.5, -0.20);
    p.cubicTo(0.5, 0.10, 0.12, 0.30, 0.0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath DiamondPath() {
    // Slightly concave sides keep it from looking like a plain rotated square.
    QPainterPath p;
    p.moveTo(0.0, -0.5);
    p.quadTo(0.15, -0.22, 0.39, 0.0);
    p.quadTo(0.15, 0.22, 0.0, 0.5);
    p.quadTo(-0.15, 0.22, -0.39, 0.0);
    p.quadTo(-0.15, -0.22, 0.0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath StemPath() {
    QPainterPath p;
    p.moveTo(0.035, 0.12);
    p.quadTo(0.05, 0.40, 0.21, 0.5);
    p.lineTo(-0.21, 0.5);
    p.quadTo(-0.05, 0.40, -0.035, 0.12);
    p.closeSubpath();
    return p;
}

QPainterPath BladePath() {
    QPainterPath p;
    p.moveTo(0.0, -0.5);
    p.cubicTo(0.17, -0.33, 0.5, -0.16, 0.5, 0.12);
    p.cubicTo(0.5, 0.30, 0.37, 0.39, 0.25, 0.39);
    p.cubicTo(0.14, 0.39, 0.06, 0.33, 0.03, 0.26);
    p.lineTo(-0.03, 0.26);
    p.cubicTo(-0.06, 0.33, -0.14, 0.39, -0.25, 0.39);
    p.cubicTo(-0.37, 0.39, -0.5, 0.30, -0.5, 0.12);
    p.cubicTo(-0.5, -0.16, -0.17, -0.33, 0.0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath SpadePath() {
    return Union({BladePath(), StemPath()});
}

QPainterPath ClubPath() {
    constexpr qreal r = 0.225;
    QPainterPath leaves;
    leaves.addEllipse(QPointF(0.0, -0.275), r, r);
    QPainterPath left;
    left.addEllipse(QPointF(-0.265, 0.075), r, r);
    QPainterPath right;
    right.addEllipse(QPointF(0.265, 0.075), r, r);
    // Fills the gap between the three leaves so the centre is solid.
    QPainterPath middle;
    middle.addEllipse(QPointF(0.0, 0.0), 0.14, 0.16);
    return Union({leaves, left, right, middle, StemPath()});
}

} // namespace

QPainterPath SuitPath(Suit suit) {
    switch (suit) {
    case Suit::Diamonds:
        return DiamondPath();
    case Suit::Clubs:
        return ClubPath();
    case Suit::Hearts:
        return HeartPath();
    case Suit::Spades:
        return SpadePath();
    }
    return {};
}

QPainterPath SpadePieces() {
    QPainterPath pieces = BladePath();
    pieces.addPath(StemPath());
    pieces.setFillRule(Qt::WindingFill);
    return pieces;
}

QColor SuitColour(Suit suit) {
    const bool red = suit == Suit::Diamonds || suit == Suit::Hearts;
    return red ? QColor(0xcc, 0x12, 0x24) : QColor(0x14, 0x14, 0x14);
}

void DrawPip(QPainter& painter, Suit suit, QPointF centre, qreal width, qreal height, bool inverted) {
    painter.save();
    painter.translate(centre);
    if (inverted) painter.rotate(180.0);
    painter.scale(width, height);
    painter.fillPath(SuitPath(suit), SuitColour(suit));
    painter.restore();
}
