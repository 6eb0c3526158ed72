// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconArt.h"

#include "SuitShapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

const QColor kFaceTop(0xe6, 0x2e, 0x36);
const QColor kFaceBottom(0xa6, 0x0c, 0x1a);
const QColor kRim(0x5c, 0x04, 0x0c);
const QColor kLabelInk(0xf6, 0xee, 0xda);

// The rounded square's proportions, shared by the painted and the SVG icon.
constexpr qreal kCornerRatio = 0.2;

qreal RimWidth(const QRectF& square, qreal pixel) {
    return std::max(pixel, square.width() / 40.0);
}

// Margin that keeps the square's edges on whole pixels and leaves the customary
// breathing room around a desktop icon.
int IconMargin(int size) {
    return static_cast<int>(std::lround(size / 32.0));
}

QRectF IconSquare(int size) {
    const int margin = IconMargin(size);
    return QRectF(margin, margin, size - 2 * margin, size - 2 * margin);
}

EmblemLabel IconLabel(int size) {
    // At 16 pixels the initial would be two grey pixels that only muddy the spade.
    return size >= 32 ? EmblemLabel::Monogram : EmblemLabel::None;
}

// Maps the unit spade (centred on the origin in a 1 x 1 box) onto the square. The
// spade grows when it carries the name so the letters get every pixel it can spare,
// and when it is bare, since then it is all there is to recognise at 16 pixels.
QTransform SpadePlacement(const QRectF& square, EmblemLabel label) {
    const qreal fill = label == EmblemLabel::Monogram ? 0.68 : 0.78;
    const qreal width = square.width() * fill;
    const qreal height = square.height() * (fill + 0.03);
    QTransform placement;
    placement.translate(square.center().x(), square.top() + square.height() * 0.51);
    placement.scale(width, height);
    return placement;
}

// A blocky initial in the unit spade's coordinates: two rectangles, so it survives
// small sizes and writes to SVG without any font.
QPainterPath MonogramPath() {
    QPainterPath letter;
    letter.addRect(QRectF(QPointF(-0.25, -0.19), QPointF(0.25, -0.06)));
    letter.addRect(QRectF(QPointF(-0.075, -0.06), QPointF(0.075, 0.22)));
    letter.setFillRule(Qt::WindingFill);
    return letter;
}

// The name across the blade's widest band, squeezed sideways if it must be, the way the
// card indices fit "10".
QPainterPath NamePath() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStretch(QFont::Condensed);
    font.setWeight(QFont::Bold);
    font.setPixelSize(100);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Tarnwick"));
    const QRectF box(QPointF(-0.42, -0.05), QPointF(0.42, 0.17));
    const QRectF bounds = text.boundingRect();
    const qreal sy = box.height() / bounds.height();
    const qreal sx = std::min(sy, box.width() / bounds.width());
    QTransform fit;
    fit.translate(box.center().x() - bounds.center().x() * sx, box.center().y() - bounds.center().y() * sy);
    fit.scale(sx, sy);
    return fit.map(text);
}

QPainterPath LabelPath(EmblemLabel label) {
    switch (label) {
    case EmblemLabel::None:
        return {};
    case EmblemLabel::Monogram:
        return MonogramPath();
    case EmblemLabel::Name:
        return NamePath();
    }
    return {};
}

QString SvgNumber(qreal value) {
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString SvgPoint(qreal x, qreal y) {
    return SvgNumber(x) + QLatin1Char(',') + SvgNumber(y);
}

// Path data for an outline made of moves, lines and cubic curves, which is all a
// QPainterPath holds once quadratic curves have been raised to cubics.
QString SvgPathData(const QPainterPath& path) {
    QStringList commands;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (!commands.isEmpty()) commands << QStringLiteral("Z");
            commands << QStringLiteral("M") + SvgPoint(e.x, e.y);
            break;
        case QPainterPath::LineToElement:
            commands << QStringLiteral("L") + SvgPoint(e.x, e.y);
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            commands << QStringLiteral("C") + SvgPoint(e.x, e.y) + QLatin1Char(' ') + SvgPoint(c2.x, c2.y) +
                            QLatin1Char(' ') + SvgPoint(end.x, end.y);
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    if (!commands.isEmpty()) commands << QStringLiteral("Z");
    return commands.join(QLatin1Char(' '));
}

QString SvgColour(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

} // namespace

void DrawEmblem(QPainter& painter, const QRectF& square, qreal pixel, EmblemLabel label) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    const qreal rim = RimWidth(square, pixel);
    const QRectF inset = square.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    const qreal radius = square.width() * kCornerRatio;
    QLinearGradient face(square.topLeft(), square.bottomLeft());
    face.setColorAt(0.0, kFaceTop);
    face.setColorAt(1.0, kFaceBottom);
    painter.setPen(QPen(kRim, rim));
    painter.setBrush(face);
    painter.drawRoundedRect(inset, radius - rim / 2, radius - rim / 2);

    const QTransform placement = SpadePlacement(square, label);
    painter.fillPath(placement.map(SuitPath(Suit::Spades)), SuitColour(Suit::Spades));
    const QPainterPath text = LabelPath(label);
    if (!text.isEmpty()) painter.fillPath(placement.map(text), kLabelInk);
    painter.restore();
}

QImage RenderIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawEmblem(painter, IconSquare(size), 1.0, IconLabel(size));
    painter.end();
    return image;
}

QString IconSvg() {
    constexpr int size = 256;
    const QRectF square = IconSquare(size);
    const qreal rim = RimWidth(square, 1.0);
    const QRectF inset = square.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    const qreal radius = square.width() * kCornerRatio - rim / 2;
    const QTransform placement = SpadePlacement(square, IconLabel(size));

    QStringList lines;
    lines << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    lines
        << QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">")
               .arg(size);
    lines << QStringLiteral("  <defs>");
    lines << QStringLiteral("    <linearGradient id=\"face\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" "
                            "y1=\"%1\" x2=\"0\" y2=\"%2\">")
                 .arg(SvgNumber(square.top()), SvgNumber(square.bottom()));
    lines << QStringLiteral("      <stop offset=\"0\" stop-color=\"%1\"/>").arg(SvgColour(kFaceTop));
    lines << QStringLiteral("      <stop offset=\"1\" stop-color=\"%1\"/>").arg(SvgColour(kFaceBottom));
    lines << QStringLiteral("    </linearGradient>");
    lines << QStringLiteral("  </defs>");
    lines
        << QStringLiteral(
               "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" ry=\"%5\" fill=\"url(#face)\" "
               "stroke=\"%6\" stroke-width=\"%7\"/>")
               .arg(SvgNumber(inset.x()), SvgNumber(inset.y()), SvgNumber(inset.width()),
                    SvgNumber(inset.height()), SvgNumber(radius), SvgColour(kRim), SvgNumber(rim));
    lines << QStringLiteral("  <path fill=\"%1\" d=\"%2\"/>")
                 .arg(SvgColour(SuitColour(Suit::Spades)), SvgPathData(placement.map(SpadePieces())));
    const QPainterPath label = LabelPath(IconLabel(size));
    if (!label.isEmpty())
        lines << QStringLiteral("  <path fill=\"%1\" d=\"%2\"/>")
                     .arg(SvgColour(kLabelInk), SvgPathData(placement.map(label)));
    lines << QStringLiteral("</svg>");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
