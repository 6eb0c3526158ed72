// SPDX-License-Identifier: GPL-3.0-or-later
#include "CourtArt.h"

#include "CardArt.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

const QColor kYellow(0xf2, 0xc1, 0x2e);
const QColor kRed(0xc8, 0x1e, 0x2b);
const QColor kBlue(0x24, 0x4b, 0xa6);
const QColor kBlack(0x1a, 0x1a, 0x1a);
const QColor kSkin(0xfb, 0xe7, 0xd2);
const QColor kSteel(0xcf, 0xd5, 0xde);

struct Palette {
    QColor robe;
    QColor pattern;
    QColor trim;
    QColor hair;
};

enum class Role { Jack, Queen, King };

// Rotating the three court colours by suit and rank keeps all twelve pictures distinct
// while staying inside the traditional yellow, red, blue and black.
Palette PaletteFor(Suit suit, Role role) {
    static const std::array<Palette, 4> schemes = {{
        {kRed, kYellow, kBlue, kYellow},
        {kBlue, kRed, kYellow, kBlack},
        {kYellow, kBlue, kRed, kBlack},
        {kRed, kBlack, kYellow, kYellow},
    }};
    const int index = (static_cast<int>(suit) - 1 + static_cast<int>(role) * 3) % 4;
    return schemes[static_cast<std::size_t>(index)];
}

QPen Outline(qreal width = 0.45) {
    return QPen(kBlack, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath RobePath() {
    // Wider than the frame on purpose: the clip trims it so the robe fills the picture.
    QPainterPath p;
    p.moveTo(-24.0, 8.0);
    p.lineTo(-24.0, -9.5);
    p.cubicTo(-20.0, -12.5, -13.0, -13.5, -5.0, -13.5);
    p.lineTo(5.0, -13.5);
    p.cubicTo(13.0, -13.5, 20.0, -12.5, 24.0, -9.5);
    p.lineTo(24.0, 8.0);
    p.closeSubpath();
    return p;
}

void DrawRobePattern(QPainter& painter, Suit suit, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    switch (suit) {
    case Suit::Diamonds:
        for (qreal x = -21.0; x <= 21.0; x += 4.0)
            painter.drawRect(QRectF(x - 0.7, -14.0, 1.4, 24.0));
        break;
    case Suit::Clubs:
        for (qreal y = -11.0; y <= 8.0; y += 3.5)
            for (qreal x = -22.75 + (static_cast<int>(y) % 2 == 0 ? 1.75 : 0.0); x <= 23.0; x += 3.5)
                painter.drawEllipse(QPointF(x, y), 0.85, 0.85);
        break;
    case Suit::Hearts: {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, 1.1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        for (qreal y = -10.0; y <= 10.0; y += 4.0) {
            QPainterPath zigzag;
            zigzag.moveTo(-24.0, y);
            int step = 0;
            for (qreal x = -22.5; x <= 24.0; x += 1.5, ++step)
                zigzag.lineTo(x, step % 2 == 0 ? y - 1.5 : y);
            painter.drawPath(zigzag);
        }
        break;
    }
    case Suit::Spades:
        for (qreal y = -14.0; y <= 8.0; y += 3.0)
            for (qreal x = -24.0; x <= 24.0; x += 3.0)
                if ((static_cast<int>((x + 24.0) / 3.0) + static_cast<int>((y + 14.0) / 3.0)) % 2 == 0)
                    painter.drawRect(QRectF(x, y, 3.0, 3.0));
        break;
    }
}

void DrawBody(QPainter& painter, Suit suit, const Palette& palette) {
    const QPainterPath robe = RobePath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.robe);
    painter.drawPath(robe);

    painter.save();
    painter.setClipPath(robe, Qt::IntersectClip);
    DrawRobePattern(painter, suit, palette.pattern);
    painter.restore();

    // Front panel and collar in the trim colour, as on printed courts.
    QPainterPath panel;
    panel.moveTo(-6.5, -13.5);
    panel.lineTo(6.5, -13.5);
    panel.lineTo(3.2, -7.0);
    panel.lineTo(3.2, 8.0);
    panel.lineTo(-3.2, 8.0);
    panel.lineTo(-3.2, -7.0);
    panel.closeSubpath();
    painter.setBrush(palette.trim);
    painter.setPen(Outline());
    painter.drawPath(panel);
    painter.setPen(Outline(0.3));
    for (qreal y = -4.0; y <= 6.0; y += 3.0)
        painter.drawEllipse(QPointF(0.0, y), 0.7, 0.7);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(Outline());
    painter.drawPath(robe);
    // Sleeve seams give the otherwise flat robe some shoulders.
    painter.setPen(Outline(0.35));
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath seam;
        seam.moveTo(side * 9.5, -13.4);
        seam.quadTo(side * 14.5, -9.0, side * 14.0, 8.0);
        painter.drawPath(seam);
    }
}

void DrawFace(QPainter& painter, Role role, const Palette& palette) {
    painter.setPen(Outline(0.35));
    painter.setBrush(kSkin);
    painter.drawRect(QRectF(-1.8, -16.0, 3.6, 3.0));

    if (role == Role::Queen) {
        // Long hair falls behind the face to the shoulders.
        QPainterPath hair;
        hair.moveTo(-6.5, -13.0);
        hair.cubicTo(-7.5, -19.0, -6.5, -26.0, 0.0, -26.0);
        hair.cubicTo(6.5, -26.0, 7.5, -19.0, 6.5, -13.0);
        hair.closeSubpath();
        painter.setBrush(palette.hair);
        painter.drawPath(hair);
    }

    painter.setBrush(kSkin);
    painter.drawEllipse(QPointF(0.0, -20.0), 4.3, 5.2);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawEllipse(QPointF(-1.6, -21.0), 0.55, 0.5);
    painter.drawEllipse(QPointF(1.6, -21.0), 0.55, 0.5);
    painter.setPen(Outline(0.3));
    painter.drawLine(QPointF(-2.4, -22.3), QPointF(-0.9, -22.1));
    painter.drawLine(QPointF(2.4, -22.3), QPointF(0.9, -22.1));
    painter.drawLine(QPointF(0.0, -20.6), QPointF(0.3, -18.9));

    if (role == Role::King) {
        QPainterPath beard;
        beard.moveTo(-4.3, -19.0);
        beard.cubicTo(-4.4, -14.0, -2.0, -12.0, 0.0, -11.5);
        beard.cubicTo(2.0, -12.0, 4.4, -14.0, 4.3, -19.0);
        beard.cubicTo(3.0, -17.0, -3.0, -17.0, -4.3, -19.0);
        beard.closeSubpath();
        painter.setPen(Outline(0.35));
        painter.setBrush(palette.hair);
        painter.drawPath(beard);
        painter.setPen(QPen(palette.hair == kBlack ? kSteel : kBlack, 0.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(-1.6, -17.2), QPointF(-0.2, -17.7));
        painter.drawLine(QPointF(1.6, -17.2), QPointF(0.2, -17.7));
    } else {
        painter.setPen(QPen(kRed, 0.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(-1.0, -17.3), QPointF(1.0, -17.3));
    }

    if (role != Role::Queen) {
        painter.setPen(Outline(0.3));
        painter.setBrush(palette.hair);
        painter.drawEllipse(QPointF(-4.6, -20.5), 1.4, 3.0);
        painter.drawEllipse(QPointF(4.6, -20.5), 1.4, 3.0);
    }
}

void DrawCrown(QPainter& painter, const Palette& palette) {
    painter.setPen(Outline(0.35));
    painter.setBrush(palette.robe == kRed ? kBlue : kRed);
    painter.drawEllipse(QPointF(0.0, -27.5), 4.5, 3.5);

    QPainterPath crown;
    crown.moveTo(-5.6, -25.0);
    crown.lineTo(-5.9, -32.0);
    crown.lineTo(-3.0, -28.6);
    crown.lineTo(0.0, -34.0);
    crown.lineTo(3.0, -28.6);
    crown.lineTo(5.9, -32.0);
    crown.lineTo(5.6, -25.0);
    crown.closeSubpath();
    painter.setBrush(kYellow);
    painter.drawPath(crown);
    painter.drawRect(QRectF(-6.0, -26.6, 12.0, 2.3));
    for (const QPointF tip : {QPointF(-5.9, -32.0), QPointF(0.0, -34.0), QPointF(5.9, -32.0)})
        painter.drawEllipse(tip, 0.8, 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRed);
    for (qreal x : {-3.3, 0.0, 3.3})
        painter.drawEllipse(QPointF(x, -25.45), 0.7, 0.7);
}

void DrawTiara(QPainter& painter, const Palette& palette) {
    QPainterPath tiara;
    tiara.moveTo(-5.0, -25.0);
    tiara.cubicTo(-5.2, -28.0, -3.0, -29.5, -1.8, -27.8);
    tiara.cubicTo(-1.2, -31.5, 1.2, -31.5, 1.8, -27.8);
    tiara.cubicTo(3.0, -29.5, 5.2, -28.0, 5.0, -25.0);
    tiara.closeSubpath();
    painter.setPen(Outline(0.35));
    painter.setBrush(kYellow);
    painter.drawPath(tiara);
    painter.drawRect(QRectF(-5.4, -26.0, 10.8, 1.7));

    // A small flower crowns the tiara.
    painter.setBrush(palette.trim == kRed ? kBlue : kRed);
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(0.0, -32.6);
        painter.rotate(72.0 * i);
        painter.drawEllipse(QPointF(0.0, -1.3), 0.9, 1.2);
        painter.restore();
    }
    painter.setBrush(kYellow);
    painter.drawEllipse(QPointF(0.0, -32.6), 0.8, 0.8);
}

void DrawCap(QPainter& painter, const Palette& palette, qreal side) {
    QPainterPath feather;
    feather.moveTo(side * 3.0, -27.0);
    feather.cubicTo(side * 6.0, -33.5, side * 10.0, -36.0, side * 15.0, -37.0);
    feather.cubicTo(side * 12.5, -33.0, side * 9.0, -28.5, side * 3.0, -27.0);
    feather.closeSubpath();
    painter.setPen(Outline(0.35));
    painter.setBrush(palette.pattern == kBlack ? kRed : palette.pattern);
    painter.drawPath(feather);
    painter.drawLine(QPointF(side * 3.5, -27.3), QPointF(side * 13.5, -36.2));

    QPainterPath cap;
    cap.moveTo(-6.0, -24.6);
    cap.cubicTo(-7.5, -30.5, 5.5, -33.0, 7.8, -27.0);
    cap.lineTo(6.0, -24.6);
    cap.closeSubpath();
    painter.setBrush(palette.trim);
    painter.drawPath(cap);
    painter.setBrush(palette.robe);
    painter.drawRect(QRectF(-6.0, -26.0, 12.0, 1.8));
}

void DrawHand(QPainter& painter, QPointF at) {
    painter.setPen(Outline(0.35));
    painter.setBrush(kSkin);
    painter.drawEllipse(at, 1.8, 1.6);
}

void DrawSword(QPainter& painter, qreal x) {
    QPainterPath blade;
    blade.moveTo(x - 0.9, -8.0);
    blade.lineTo(x - 0.9, -31.0);
    blade.lineTo(x, -33.5);
    blade.lineTo(x + 0.9, -31.0);
    blade.lineTo(x + 0.9, -8.0);
    blade.closeSubpath();
    painter.setPen(Outline(0.35));
    painter.setBrush(kSteel);
    painter.drawPath(blade);
    painter.drawLine(QPointF(x, -9.0), QPointF(x, -30.0));
    painter.setBrush(kYellow);
    painter.drawRect(QRectF(x - 3.2, -8.6, 6.4, 1.4));
    painter.drawEllipse(QPointF(x, -2.0), 1.0, 1.0);
    DrawHand(painter, QPointF(x, -5.0));
}

void DrawFlower(QPainter& painter, qreal side, const Palette& palette) {
    const qreal x = side * 11.5;
    QPainterPath stem;
    stem.moveTo(x, -5.0);
    stem.cubicTo(x + side * 2.0, -12.0, x - side * 1.0, -18.0, x + side * 1.5, -24.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kBlack, 0.6));
    painter.drawPath(stem);

    QPainterPath leaf;
    leaf.moveTo(x + side * 0.8, -14.0);
    leaf.quadTo(x + side * 4.5, -17.0, x + side * 5.0, -13.0);
    leaf.quadTo(x + side * 2.5, -12.5, x + side * 0.8, -14.0);
    painter.setPen(Outline(0.3));
    painter.setBrush(kBlue == palette.robe ? kYellow : kBlue);
    painter.drawPath(leaf);

    const QPointF head(x + side * 1.5, -25.5);
    painter.setBrush(kRed == palette.robe ? kBlue : kRed);
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(head);
        painter.rotate(72.0 * i);
        painter.drawEllipse(QPointF(0.0, -1.7), 1.2, 1.6);
        painter.restore();
    }
    painter.setBrush(kYellow);
    painter.drawEllipse(head, 1.1, 1.1);
    DrawHand(painter, QPointF(x, -5.0));
}

void DrawHalberd(QPainter& painter, qreal side) {
    const qreal x = side * 12.0;
    painter.setPen(Outline(0.35));
    painter.setBrush(kYellow);
    painter.drawRect(QRectF(x - 0.6, -29.0, 1.2, 33.0));

    QPainterPath axe;
    axe.moveTo(x, -30.0);
    axe.lineTo(x - side * 0.2, -34.5);
    axe.lineTo(x - side * 0.9, -30.0);
    axe.closeSubpath();
    axe.moveTo(x, -28.5);
    axe.cubicTo(x - side * 3.0, -30.5, x - side * 5.0, -28.0, x - side * 5.0, -25.5);
    axe.cubicTo(x - side * 3.5, -26.5, x - side * 1.5, -25.5, x, -24.0);
    axe.closeSubpath();
    painter.setBrush(kSteel);
    painter.drawPath(axe);
    DrawHand(painter, QPointF(x, -6.0));
}

// Draws the upper figure with the split line near y = 0; the caller mirrors it.
void DrawHalfFigure(QPainter& painter, Suit suit, Role role) {
    const Palette palette = PaletteFor(suit, role);
    // The held object alternates sides so the suits do not all look alike.
    const qreal side = (suit == Suit::Clubs || suit == Suit::Hearts) ? -1.0 : 1.0;

    DrawBody(painter, suit, palette);
    DrawFace(painter, role, palette);
    switch (role) {
    case Role::King:
        DrawCrown(painter, palette);
        DrawSword(painter, side * 12.0);
        break;
    case Role::Queen:
        DrawTiara(painter, palette);
        DrawFlower(painter, side, palette);
        break;
    case Role::Jack:
        DrawCap(painter, palette, -side);
        DrawHalberd(painter, side);
        break;
    }
    DrawPip(painter, suit, QPointF(-side * 15.5, -32.0), 7.0, 7.5, false);
}

QPainterPath UpperHalf(const QRectF& local) {
    // A slanted split, as on printed double-headed courts.
    QPainterPath p;
    p.moveTo(local.topLeft());
    p.lineTo(local.topRight());
    p.lineTo(local.right(), -2.5);
    p.lineTo(local.left(), 2.5);
    p.closeSubpath();
    return p;
}

} // namespace

void DrawCourt(QPainter& painter, Suit suit, int value, const QRectF& frame, int scale) {
    const Role role = value == 11 ? Role::Jack : (value == 12 ? Role::Queen : Role::King);
    painter.save();
    painter.translate(frame.center());
    const QRectF local(-frame.width() / 2.0, -frame.height() / 2.0, frame.width(), frame.height());
    const QPainterPath upper = UpperHalf(local);

    for (int half = 0; half < 2; ++half) {
        painter.save();
        if (half == 1) painter.rotate(180.0);
        painter.setClipPath(upper);
        DrawHalfFigure(painter, suit, role);
        painter.restore();
    }

    painter.setPen(QPen(kBlack, HairlineWidth(scale) * 0.8));
    painter.drawLine(QPointF(local.left(), 2.5), QPointF(local.right(), -2.5));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kBlack, HairlineWidth(scale)));
    painter.drawRect(local);
    painter.restore();
}
