// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/FlatButton.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyle>

namespace tarnwick {

namespace {

const QColor EdgeLight(255, 255, 255);
const QColor EdgeShade(128, 128, 128);
const QColor EdgeDark(0, 0, 0);

} // namespace

FlatButton::FlatButton(const QString& Caption, const QColor& Face, QWidget* Parent)
    : QPushButton(Caption, Parent), FaceColour(Face) {
    // The palette says the same as the paint, for anything that reads the colours back.
    QPalette Colours = palette();
    Colours.setColor(QPalette::Button, Face);
    Colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(Colours);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Light above and to the left, shade and black below and to the right; held down, a dark outline
// with the caption a pixel down and to the right. The face between is the one colour, untouched.
void FlatButton::paintEvent(QPaintEvent*) {
    QPainter P(this);
    const QRect All = rect();
    P.fillRect(All, FaceColour);
    const int Right = All.right(), Bottom = All.bottom();
    const bool Down = isDown() || isChecked();
    if (Down) {
        P.setPen(EdgeDark);
        P.drawRect(All.adjusted(0, 0, -1, -1));
        P.setPen(EdgeShade);
        P.drawRect(All.adjusted(1, 1, -2, -2));
    } else {
        P.setPen(EdgeLight);
        P.drawLine(0, 0, Right - 1, 0);
        P.drawLine(0, 0, 0, Bottom - 1);
        P.setPen(EdgeDark);
        P.drawLine(0, Bottom, Right, Bottom);
        P.drawLine(Right, 0, Right, Bottom);
        P.setPen(EdgeShade);
        P.drawLine(1, Bottom - 1, Right - 1, Bottom - 1);
        P.drawLine(Right - 1, 1, Right - 1, Bottom - 1);
    }

    const QRect Caption = All.adjusted(2, 2, -2, -2).translated(Down ? 1 : 0, Down ? 1 : 0);
    P.setFont(font());
    P.setPen(isEnabled() ? QColor(Qt::black) : EdgeShade);
    style()->drawItemText(&P, Caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                          text());

    // The keyboard's place: a dotted line just inside the edge.
    if (hasFocus() && FocusFromKeyboard) {
        P.setPen(QPen(EdgeDark, 1, Qt::DotLine));
        P.drawRect(All.adjusted(3, 3, -4, -4));
    }
}

void FlatButton::focusInEvent(QFocusEvent* Event) {
    const Qt::FocusReason Reason = Event->reason();
    FocusFromKeyboard =
        Reason == Qt::TabFocusReason || Reason == Qt::BacktabFocusReason || Reason == Qt::ShortcutFocusReason;
    QPushButton::focusInEvent(Event);
}

void FlatButton::focusOutEvent(QFocusEvent* Event) {
    FocusFromKeyboard = false;
    QPushButton::focusOutEvent(Event);
}

} // namespace tarnwick
