// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageArt.h"

#include "CardArt.h"
#include "IconArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr qreal kSize = kMessagePictureSize;

const QColor kQuestionInk(0xff, 0xd6, 0x1e);
const QColor kInformationInk(0xff, 0x3c, 0xf0);
const QColor kWarningInk(0xff, 0x34, 0x2c);
const QColor kBone(0xf6, 0xf0, 0xdc);
const QColor kBoneShade(0x1e, 0x1b, 0x18);
const QColor kFaceLight(0xff, 0xec, 0x6a);
const QColor kFaceYellow(0xff, 0xcc, 0x1a);
const QColor kFaceRim(0x9a, 0x62, 0x00);
const QColor kFaceInk(0x3a, 0x24, 0x00);

// Path set operations flatten curves to a tolerance in absolute units, which at this
// 32-unit layout would leave visible facets at 2x, so the union is taken magnified.
QPainterPath Union(std::initializer_list<QPainterPath> parts) {
    constexpr qreal magnify = 100.0;
    const QTransform up = QTransform::fromScale(magnify, magnify);
    QPainterPath merged;
    for (const QPainterPath& part : parts)
        merged = merged.united(up.map(part));
    return QTransform::fromScale(1.0 / magnify, 1.0 / magnify).map(merged);
}

// A single character from the system's DejaVu, scaled to fill the height of box and
// centred in it; the box's dark grey needs the mark as large as the picture allows.
void DrawGlyph(QPainter& painter, const QString& family, const QString& text, const QColor& ink,
               const QRectF& box) {
    QFont font(family);
    font.setWeight(QFont::Black);
    font.setPixelSize(100);
    QPainterPath glyph;
    glyph.addText(0, 0, font, text);
    const QRectF bounds = glyph.boundingRect();
    const qreal s = std::min(box.height() / bounds.height(), box.width() / bounds.width());
    painter.save();
    painter.translate(box.center().x() - bounds.center().x() * s, box.center().y() - bounds.center().y() * s);
    painter.scale(s, s);
    painter.fillPath(glyph, ink);
    painter.restore();
}

// One bone from a to b: a shaft with a pair of knuckles at each end.
QPainterPath BonePath(QPointF a, QPointF b) {
    const QPointF along = b - a;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF across(-unit.y(), unit.x());
    constexpr qreal shaft = 1.25;
    constexpr qreal knuckle = 1.85;
    constexpr qreal spread = 1.35;

    QPainterPath shaftPath;
    shaftPath.moveTo(a + across * shaft);
    shaftPath.lineTo(b + across * shaft);
    shaftPath.lineTo(b - across * shaft);
    shaftPath.lineTo(a - across * shaft);
    shaftPath.closeSubpath();
    QPainterPath knuckles;
    for (const QPointF end : {a + unit * 0.6, b - unit * 0.6}) {
        knuckles.addEllipse(end + across * spread, knuckle, knuckle);
        knuckles.addEllipse(end - across * spread, knuckle, knuckle);
    }
    knuckles.setFillRule(Qt::WindingFill);
    return Union({shaftPath, knuckles});
}

QPainterPath SkullPath() {
    QPainterPath cranium;
    cranium.addEllipse(QPointF(16.0, 11.0), 9.0, 8.6);
    QPainterPath jaw;
    jaw.addRoundedRect(QRectF(10.6, 14.0, 10.8, 9.0), 2.6, 2.6);
    return Union({cranium, jaw});
}

void DrawSkull(QPainter& painter, int scale) {
    const qreal line = HairlineWidth(scale);
    painter.setPen(QPen(kBoneShade, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kBone);
    // Crossed behind the jaw so their ends show at the skull's cheeks and below it.
    painter.drawPath(BonePath(QPointF(4.2, 15.6), QPointF(27.8, 29.2)));
    painter.drawPath(BonePath(QPointF(27.8, 15.6), QPointF(4.2, 29.2)));
    painter.drawPath(SkullPath());

    painter.setPen(Qt::NoPen);
    painter.setBrush(kBoneShade);
    painter.drawEllipse(QPointF(12.5, 12.0), 2.8, 3.1);
    painter.drawEllipse(QPointF(19.5, 12.0), 2.8, 3.1);
    QPainterPath nose;
    nose.moveTo(16.0, 15.4);
    nose.lineTo(17.5, 18.4);
    nose.lineTo(14.5, 18.4);
    nose.closeSubpath();
    painter.drawPath(nose);

    painter.setPen(QPen(kBoneShade, line, Qt::SolidLine, Qt::FlatCap));
    for (qreal x : {13.5, 16.0, 18.5})
        painter.drawLine(QPointF(x, 20.0), QPointF(x, 23.0));
}

void DrawFace(QPainter& painter, bool happy, int scale) {
    const QPointF centre(16.0, 16.0);
    constexpr qreal radius = 13.6;
    QRadialGradient shine(QPointF(12.0, 10.0), 20.0);
    shine.setColorAt(0.0, kFaceLight);
    shine.setColorAt(0.55, kFaceYellow);
    painter.setPen(QPen(kFaceRim, HairlineWidth(scale)));
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kFaceInk);
    painter.drawEllipse(QPointF(11.6, 12.4), 1.8, 2.8);
    painter.drawEllipse(QPointF(20.4, 12.4), 1.8, 2.8);

    QPainterPath mouth;
    if (happy) {
        mouth.moveTo(8.8, 18.0);
        mouth.cubicTo(11.0, 25.0, 21.0, 25.0, 23.2, 18.0);
    } else {
        mouth.moveTo(10.0, 24.4);
        mouth.cubicTo(12.0, 18.6, 20.0, 18.6, 22.0, 24.4);
    }
    painter.setPen(QPen(kFaceInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouth);
}

} // namespace

QImage RenderMessagePicture(int number, int scale) {
    QImage image(kMessagePictureSize * scale, kMessagePictureSize * scale,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scale, scale);

    const QRectF glyphBox(2.0, 2.0, kSize - 4.0, kSize - 4.0);
    const QString sans = QStringLiteral("DejaVu Sans");
    const QString serif = QStringLiteral("DejaVu Serif");
    switch (number) {
    case 1:
        DrawGlyph(painter, sans, QStringLiteral("?"), kQuestionInk, glyphBox);
        break;
    case 2:
        DrawGlyph(painter, serif, QStringLiteral("i"), kInformationInk, glyphBox);
        break;
    case 3:
        DrawGlyph(painter, sans, QStringLiteral("!"), kWarningInk, glyphBox);
        break;
    case 4:
        DrawSkull(painter, scale);
        break;
    case 6:
        DrawFace(painter, true, scale);
        break;
    case 7:
        DrawFace(painter, false, scale);
        break;
    default:
        DrawEmblem(painter, QRectF(1.0, 1.0, kSize - 2.0, kSize - 2.0), 1.0 / scale, EmblemLabel::Name);
        break;
    }
    painter.end();
    return image;
}
