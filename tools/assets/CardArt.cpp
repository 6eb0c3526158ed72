// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardArt.h"

#include "CourtArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr qreal kCornerRadius = 4.0;
const QColor kBorderColour(0x55, 0x55, 0x55);
const QColor kBackInk(0x17, 0x2c, 0x7a);
const QColor kBackLattice(0x5f, 0x7f, 0xd6);

QImage NewCanvas(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    // Transparent so the corners outside the rounded outline show the table.
    image.fill(Qt::transparent);
    return image;
}

void BeginPainting(QPainter& painter, int scale) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.scale(scale, scale);
}

void DrawBlank(QPainter& painter, qreal width, qreal height, int scale) {
    const qreal pen = HairlineWidth(scale);
    const QRectF outline(pen / 2, pen / 2, width - pen, height - pen);
    painter.setPen(QPen(kBorderColour, pen));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(outline, kCornerRadius, kCornerRadius);
}

QString RankText(int value) {
    switch (value) {
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    case 14:
        return QStringLiteral("A");
    default:
        return QString::number(value);
    }
}

// Rank letters become paths so both resolutions get exactly the same shape and the
// width can be squeezed for "10" the way printed indices are.
void DrawRank(QPainter& painter, Suit suit, int value, const QRectF& box) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStretch(QFont::Condensed);
    font.setWeight(QFont::Bold);
    font.setPixelSize(100);
    QPainterPath text;
    text.addText(0, 0, font, RankText(value));
    const QRectF bounds = text.boundingRect();
    const qreal sy = box.height() / bounds.height();
    const qreal sx = std::min(sy, box.width() / bounds.width());
    painter.save();
    painter.translate(box.center().x() - bounds.center().x() * sx, box.top() - bounds.top() * sy);
    painter.scale(sx, sy);
    painter.fillPath(text, SuitColour(suit));
    painter.restore();
}

void DrawIndex(QPainter& painter, Suit suit, int value) {
    constexpr qreal column = 7.0;
    DrawRank(painter, suit, value, QRectF(column - 5.5, 3.5, 11.0, 8.0));
    DrawPip(painter, suit, QPointF(column, 16.6), 7.0, 7.4, false);
}

void DrawBothIndices(QPainter& painter, Suit suit, int value) {
    DrawIndex(painter, suit, value);
    painter.save();
    painter.translate(kCardWidth, kCardHeight);
    painter.rotate(180.0);
    DrawIndex(painter, suit, value);
    painter.restore();
}

struct PipSpot {
    qreal x;
    qreal y;
};

// Pip centres for the number cards, in card coordinates.
std::vector<PipSpot> PipLayout(int value) {
    constexpr qreal left = 22.5;
    constexpr qreal mid = kCardWidth / 2.0;
    constexpr qreal right = kCardWidth - left;
    constexpr qreal top = 17.0;
    constexpr qreal bottom = kCardHeight - top;
    constexpr qreal centre = kCardHeight / 2.0;
    constexpr qreal quarter = (bottom - top) / 3.0;
    const std::array<qreal, 4> fourRows = {top, top + quarter, bottom - quarter, bottom};

    std::vector<PipSpot> spots;
    auto sides = [&](qreal y) {
        spots.push_back({left, y});
        spots.push_back({right, y});
    };
    switch (value) {
    case 2:
        spots = {{mid, top}, {mid, bottom}};
        break;
    case 3:
        spots = {{mid, top}, {mid, centre}, {mid, bottom}};
        break;
    case 4:
        sides(top);
        sides(bottom);
        break;
    case 5:
        sides(top);
        sides(bottom);
        spots.push_back({mid, centre});
        break;
    case 6:
    case 7:
    case 8:
        sides(top);
        sides(centre);
        sides(bottom);
        if (value >= 7) spots.push_back({mid, (top + centre) / 2.0});
        if (value == 8) spots.push_back({mid, (centre + bottom) / 2.0});
        break;
    case 9:
    case 10:
        for (qreal y : fourRows)
            sides(y);
        if (value == 9) {
            spots.push_back({mid, centre});
        } else {
            spots.push_back({mid, (fourRows[0] + fourRows[1]) / 2.0});
            spots.push_back({mid, (fourRows[2] + fourRows[3]) / 2.0});
        }
        break;
    default:
        break;
    }
    return spots;
}

void DrawNumberPips(QPainter& painter, Suit suit, int value) {
    const qreal width = suit == Suit::Diamonds ? 10.5 : 11.0;
    constexpr qreal height = 11.6;
    for (const PipSpot& spot : PipLayout(value)) {
        // Real cards turn the pips of the lower half upside down; the exact centre row stays upright.
        const bool inverted = spot.y > kCardHeight / 2.0 + 0.01;
        DrawPip(painter, suit, QPointF(spot.x, spot.y), width, height, inverted);
    }
}

// A flourish curling out from the foot of the spade, below its lobe.
QPainterPath Scroll(qreal side) {
    QPainterPath p;
    p.moveTo(side * 4.0, 18.0);
    p.cubicTo(side * 9.0, 19.0, side * 15.5, 18.5, side * 17.5, 13.5);
    p.cubicTo(side * 18.5, 10.5, side * 15.0, 9.5, side * 14.0, 12.0);
    p.cubicTo(side * 13.5, 13.5, side * 15.0, 14.5, side * 16.0, 13.0);
    return p;
}

void DrawAce(QPainter& painter, Suit suit, int scale) {
    const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
    if (suit != Suit::Spades) {
        const qreal width = suit == Suit::Diamonds ? 22.0 : 25.0;
        DrawPip(painter, suit, centre, width, 27.0, false);
        return;
    }
    // The ace of spades traditionally carries the decoration of the pack.
    const QColor ink = SuitColour(suit);
    const QColor gold(0xb8, 0x8e, 0x1e);
    painter.save();
    painter.translate(centre);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, HairlineWidth(scale) * 0.8));
    painter.drawEllipse(QPointF(0, 0), 24.5, 24.5);
    painter.setPen(QPen(gold, 1.2));
    painter.drawEllipse(QPointF(0, 0), 23.0, 23.0);

    painter.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(Scroll(1.0));
    painter.drawPath(Scroll(-1.0));

    DrawPip(painter, suit, QPointF(0, 0), 32.0, 36.0, false);

    // A white inset spade holding a jewel turns the plain pip into the showpiece.
    painter.save();
    painter.translate(0, -2.5);
    painter.scale(15.0, 17.0);
    painter.setPen(QPen(Qt::white, 0.8 / 15.0));
    painter.drawPath(SuitPath(suit));
    painter.restore();

    painter.setPen(QPen(gold, 0.4));
    painter.setBrush(QColor(0xe8, 0xbb, 0x2a));
    painter.drawEllipse(QPointF(0, -2.5), 2.6, 2.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc8, 0x1e, 0x2b));
    painter.drawEllipse(QPointF(0, -2.5), 1.3, 1.3);
    painter.restore();
}

void DrawLattice(QPainter& painter, const QRectF& panel, qreal radius, qreal spacing, int scale) {
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(panel, radius, radius);
    painter.setClipPath(clip);
    painter.fillRect(panel, kBackInk);

    // Two diagonal families of lines make the lattice; a small lozenge marks every crossing.
    painter.setPen(QPen(kBackLattice, 0.7));
    const qreal span = panel.width() + panel.height();
    for (qreal d = -span; d <= span; d += spacing) {
        const QPointF origin(panel.center().x() + d, panel.top());
        painter.drawLine(origin, origin + QPointF(panel.height(), panel.height()));
        painter.drawLine(origin, origin + QPointF(-panel.height(), panel.height()));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd9, 0xe2, 0xfa));
    const qreal half = spacing / 2.0;
    for (qreal y = panel.top(); y <= panel.bottom() + spacing; y += half) {
        const bool odd = static_cast<int>((y - panel.top()) / half + 0.5) % 2 == 1;
        for (qreal x = panel.center().x() - span + (odd ? half : 0.0); x <= panel.right() + spacing;
             x += spacing) {
            const qreal r = spacing * 0.13;
            const QPointF lozenge[] = {{x, y - r * 1.3}, {x + r, y}, {x, y + r * 1.3}, {x - r, y}};
            painter.drawPolygon(lozenge, 4);
        }
    }
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x0c, 0x18, 0x4a), HairlineWidth(scale)));
    painter.drawRoundedRect(panel, radius, radius);
    painter.restore();
}

} // namespace

qreal HairlineWidth(int scale) {
    if (scale == 1) return 1.0;
    return scale == 2 ? 0.75 : 2.0 / scale;
}

QImage RenderCardFace(Suit suit, int value, int scale) {
    QImage image = NewCanvas(kCardWidth, kCardHeight, scale);
    QPainter painter(&image);
    BeginPainting(painter, scale);
    DrawBlank(painter, kCardWidth, kCardHeight, scale);
    if (value <= 10) {
        DrawNumberPips(painter, suit, value);
    } else if (value <= 13) {
        DrawCourt(painter, suit, value, QRectF(13.5, 9.5, kCardWidth - 27.0, kCardHeight - 19.0), scale);
    } else {
        DrawAce(painter, suit, scale);
    }
    DrawBothIndices(painter, suit, value);
    return image;
}

QImage RenderCardBack(int scale) {
    QImage image = NewCanvas(kCardWidth, kCardHeight, scale);
    QPainter painter(&image);
    BeginPainting(painter, scale);
    DrawBlank(painter, kCardWidth, kCardHeight, scale);
    DrawLattice(painter, QRectF(4.5, 4.5, kCardWidth - 9.0, kCardHeight - 9.0), 2.5, 7.0, scale);
    return image;
}

QImage RenderPileBack(int scale) {
    QImage image = NewCanvas(kPileBackSize, kPileBackSize, scale);
    QPainter painter(&image);
    BeginPainting(painter, scale);
    DrawBlank(painter, kPileBackSize, kPileBackSize, scale);
    DrawLattice(painter, QRectF(3.0, 3.0, kPileBackSize - 6.0, kPileBackSize - 6.0), 1.5, 7.0, scale);
    return image;
}
