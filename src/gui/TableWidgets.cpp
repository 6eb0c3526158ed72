// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/TableWidgets.h"

#include "gui/Pictures.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

#include <cmath>

namespace tarnwick {

int Px(double Twips) {
    return TableScale().Length(Twips);
}

QRect PxRect(const Rect& R) {
    return QRect(Px(R.Left), Px(R.Top), Px(R.Width), Px(R.Height));
}

QColor ToQColor(Rgb C) {
    return QColor(C.R, C.G, C.B);
}

void CentreOverTable(QWidget* Box) {
    QWidget* Table = Box->parentWidget() ? Box->parentWidget()->window() : nullptr;
    QScreen* Screen = Table ? Table->screen() : Box->screen();
    const QRect Room = Screen ? Screen->availableGeometry() : QRect();
    const QRect Over = Table ? Table->frameGeometry() : Room;
    QRect Place(QPoint(0, 0), Box->size());
    Place.moveCenter(Over.center());
    if (Room.isValid()) {
        Place.moveLeft(
            std::clamp(Place.left(), Room.left(), std::max(Room.left(), Room.right() + 1 - Place.width())));
        Place.moveTop(
            std::clamp(Place.top(), Room.top(), std::max(Room.top(), Room.bottom() + 1 - Place.height())));
    }
    Box->move(Place.topLeft());
}

PictureWidget::PictureWidget(QWidget* Parent, Pictures& Pics) : QWidget(Parent), Pics(Pics) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    hide();
}

bool PictureWidget::SetPicture(int Picture) {
    if (Picture == Shown) return false;
    Shown = Picture;
    update();
    return true;
}

// The picture comes made to the widget's size in screen pixels, so it is drawn pixel for pixel.
void PictureWidget::paintEvent(QPaintEvent*) {
    if (!Shown) return;
    QPainter P(this);
    P.drawImage(0, 0, Pics.At(Shown, size(), devicePixelRatioF()));
}

void PictureWidget::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton && OnClick) OnClick();
}

LabelWidget::LabelWidget(QWidget* Parent) : QLabel(Parent) {
    setAutoFillBackground(true);
    setFont(TableFont());
    setTextFormat(Qt::PlainText);
}

void LabelWidget::Show(const LabelBox& Box, const TableScale& Scale) {
    const QString Text = QString::fromStdString(Box.Caption);
    if (text() != Text) setText(Text);
    if (Box.Back != Back || Box.Fore != Fore) {
        Back = Box.Back;
        Fore = Box.Fore;
        QPalette Colours = palette();
        Colours.setColor(QPalette::Window, ToQColor(Back));
        Colours.setColor(QPalette::WindowText, ToQColor(Fore));
        setPalette(Colours);
    }
    const QString Tip = QString::fromStdString(Box.ToolTip);
    if (toolTip() != Tip) setToolTip(Tip);
    // A screen reader hears what a box is for as well as what it shows: "Rodrick's score: 20".
    const QString Spoken = Tip.isEmpty() ? Text : Tip + QStringLiteral(": ") + Text;
    if (accessibleName() != Spoken) setAccessibleName(Spoken);
    const bool Wraps = Box.Kind == LabelKind::TextBox;
    if (wordWrap() != Wraps) {
        setWordWrap(Wraps);
        setFrameStyle(Wraps ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    }
    const int Margin = Wraps ? std::max(1, Scale.Pixels(3)) : 0;
    if (margin() != Margin) setMargin(Margin);
    const QFont Font = Scale.Font();
    if (font() != Font) setFont(Font);
    setAlignment(Box.Centred ? Qt::AlignCenter
                 : Wraps     ? Qt::AlignLeft | Qt::AlignTop
                             : Qt::AlignLeft | Qt::AlignVCenter);
    QRect Place = Scale.Box(Box.Place);
    if (Box.GrowsToFit) Place.setWidth(std::max(Place.width(), fontMetrics().horizontalAdvance(Text) + 4));
    if (geometry() != Place) setGeometry(Place);
    if (Box.Click) setCursor(Qt::PointingHandCursor);
    setVisible(Box.Visible);
}

void LabelWidget::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton && OnClick) OnClick();
}

ButtonWidget::ButtonWidget(QWidget* Parent) : QPushButton(Parent) {
    setFont(TableFont());
    setCursor(Qt::PointingHandCursor);
    // The table keeps the keyboard: Return and Space go to the mark, not to a button under it.
    setFocusPolicy(Qt::NoFocus);
}

void ButtonWidget::Show(const LabelBox& Box, const TableScale& Scale) {
    const QString Text = QString::fromStdString(Box.Caption);
    if (text() != Text) setText(Text);
    const QString Tip = QString::fromStdString(Box.ToolTip);
    if (toolTip() != Tip) setToolTip(Tip);
    const QFont Font = Scale.Font();
    if (font() != Font) setFont(Font);
    const QRect Place = Scale.Box(Box.Place);
    if (geometry() != Place) setGeometry(Place);
    setVisible(Box.Visible);
}

FrameWidget::FrameWidget(QWidget* Parent) : QWidget(Parent) {
    hide();
}

void FrameWidget::Show(const FrameBox& Box, const TableScale& Scale) {
    const QString Text = QString::fromStdString(Box.Caption);
    if (accessibleName() != Text) setAccessibleName(Text);
    if (Text != Caption || Box.Back != Back || Box.Fore != Fore) {
        Caption = Text;
        Back = Box.Back;
        Fore = Box.Fore;
        update();
    }
    const TableScale Within = Scale.Inside(Box.Place);
    if (Within.Y(Box.RuleTop) != RuleTop || Within != DrawnAt) {
        RuleTop = Within.Y(Box.RuleTop);
        DrawnAt = Within;
        update();
    }
    const QString Tip = QString::fromStdString(Box.ToolTip);
    if (toolTip() != Tip) setToolTip(Tip);
    const QRect Place = Scale.Box(Box.Place);
    if (geometry() != Place) setGeometry(Place);
    const bool Appears = Box.Visible && !isVisible();
    setVisible(Box.Visible);
    if (Appears || Box.Raised != Raised) {
        Raised = Box.Raised;
        raise();
    }
}

void FrameWidget::paintEvent(QPaintEvent*) {
    QPainter P(this);
    P.fillRect(rect(), ToQColor(Back));
    P.setFont(DrawnAt.Font());
    const QFontMetrics Metrics(P.font());
    const int Line = Metrics.height() / 2;
    const QRect Border = rect().adjusted(1, Line, -2, -2);
    // The caption's gap and indent, and the rule's ends, keep their proportions at every scale.
    const int Gap = DrawnAt.Pixels(3), Indent = DrawnAt.Pixels(6), RuleEnd = DrawnAt.Pixels(4);
    const int CaptionWidth = Caption.isEmpty() ? 0 : Metrics.horizontalAdvance(Caption) + 2 * Gap;
    // An etched line: a dark stroke with a light one beside it, broken where the caption sits.
    for (const auto& [Offset, Colour] :
         {std::pair{0, QColor(0, 0, 0, 160)}, std::pair{1, QColor(255, 255, 255, 90)}}) {
        P.setPen(Colour);
        const QRect R = Border.translated(Offset, Offset);
        P.drawLine(R.left(), R.top(), R.left() + Indent, R.top());
        P.drawLine(R.left() + Indent + CaptionWidth, R.top(), R.right(), R.top());
        P.drawLine(R.right(), R.top(), R.right(), R.bottom());
        P.drawLine(R.right(), R.bottom(), R.left(), R.bottom());
        P.drawLine(R.left(), R.bottom(), R.left(), R.top());
    }
    if (RuleTop > 0) {
        P.setPen(QColor(0, 0, 0, 160));
        P.drawLine(Border.left() + RuleEnd, RuleTop, Border.right() - RuleEnd, RuleTop);
        P.setPen(QColor(255, 255, 255, 90));
        P.drawLine(Border.left() + RuleEnd, RuleTop + 1, Border.right() - RuleEnd, RuleTop + 1);
    }
    P.setPen(ToQColor(Fore));
    P.drawText(QRect(Indent + Gap, 0, CaptionWidth, Metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
               Caption);
}

FeltWidget::FeltWidget(QWidget* Parent) : QWidget(Parent) {
    hide();
}

void FeltWidget::paintEvent(QPaintEvent*) {
    QPainter P(this);
    P.fillRect(rect(), ToQColor(Colours::Felt));
    P.setPen(QPen(ToQColor(Colours::Rim), 1));
    P.drawRect(rect().adjusted(0, 0, -1, -1));
}

RoomWidget::RoomWidget(QWidget* Parent) : QWidget(Parent) {
    setAutoFillBackground(true);
    QPalette Navy = palette();
    Navy.setColor(QPalette::Window, ToQColor(Colours::Navy));
    setPalette(Navy);
}

void RoomWidget::resizeEvent(QResizeEvent*) {
    if (OnResize) OnResize();
}

} // namespace tarnwick
