// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ReviewWidget.h"

#include "gui/Pictures.h"
#include "gui/TableWidgets.h"
#include "flow/DisplayModel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tarnwick {

namespace {

QRect Twips(const TableScale& Scale, double Left, double Top, double Width, double Height) {
    return Scale.Box({Left, Top, Width, Height});
}

void DrawArrow(QPainter& P, const QRect& Box, bool Back, bool Enabled) {
    const QPointF C = QRectF(Box).center();
    const double H = Box.height() * 0.32, W = Box.width() * 0.22;
    QPainterPath Path;
    if (Back) {
        Path.moveTo(C.x() - W, C.y());
        Path.lineTo(C.x() + W, C.y() - H);
        Path.lineTo(C.x() + W, C.y() + H);
    } else {
        Path.moveTo(C.x() + W, C.y());
        Path.lineTo(C.x() - W, C.y() - H);
        Path.lineTo(C.x() - W, C.y() + H);
    }
    Path.closeSubpath();
    P.setPen(Qt::NoPen);
    P.setBrush(Enabled ? QColor(255, 230, 120) : QColor(255, 255, 255, 60));
    P.drawPath(Path);
}

} // namespace

ReviewWidget::ReviewWidget(QWidget* Parent, Pictures& Pics) : QWidget(Parent), Pics(Pics) {
    setObjectName(QStringLiteral("Review"));
    setAccessibleName(QStringLiteral("Trick review"));
    hide();
}

QRect ReviewWidget::BackArrow() const {
    using namespace ReviewPlaces;
    return Twips(Scale, BackArrowLeft, ArrowTop, ArrowWidth, ArrowHeight);
}

QRect ReviewWidget::OnArrow() const {
    using namespace ReviewPlaces;
    return Twips(Scale, OnArrowLeft, ArrowTop, ArrowWidth, ArrowHeight);
}

bool ReviewWidget::Show(const ReviewModel& Model, const TableScale& NewScale) {
    if (Model == Shown && NewScale == Scale) return false;
    const bool Changed = Model.Visible && (Model.Caption != Shown.Caption || !Shown.Visible);
    Shown = Model;
    Scale = NewScale;
    setVisible(Model.Visible);
    if (Model.Visible) {
        setAccessibleName(QString::fromStdString(Model.Caption));
        setAccessibleDescription(QString::fromStdString(Model.Spoken));
        raise();
    }
    update();
    return Changed;
}

void ReviewWidget::paintEvent(QPaintEvent*) {
    using namespace ReviewPlaces;
    QPainter P(this);
    P.setRenderHint(QPainter::Antialiasing);
    P.fillRect(rect(), QColor(0, 0, 32, 140));
    const QRect Felt = Twips(Scale, FeltLeft, FeltTop, FeltWidth, FeltHeight);
    P.setPen(QPen(ToQColor(Colours::Rim), Scale.Pixels(4)));
    P.setBrush(ToQColor(Colours::Felt));
    P.drawRoundedRect(Felt, Scale.Pixels(10), Scale.Pixels(10));

    const QSize CardSize(Scale.Length(CardWidth), Scale.Length(CardHeight));
    for (const ReviewCardBox& Card : Shown.Cards) {
        if (Card.Picture <= 0) continue;
        const QPoint At = Scale.At(Card.Left, Card.Top);
        P.drawImage(At, Pics.At(Card.Picture, CardSize, devicePixelRatioF()));
        if (!Card.Won) continue;
        const int Gap = Scale.Pixels(3);
        P.setPen(QPen(QColor(255, 215, 0), Scale.Pixels(4)));
        P.setBrush(Qt::NoBrush);
        P.drawRoundedRect(QRect(At, CardSize).adjusted(-Gap, -Gap, Gap, Gap), Scale.Pixels(6), Scale.Pixels(6));
    }

    P.setPen(QColor(255, 255, 224));
    P.setFont(Scale.Font(14));
    P.drawText(Twips(Scale, CaptionLeft, CaptionTop, CaptionWidth, CaptionHeight), Qt::AlignCenter,
               QString::fromStdString(Shown.Caption));
    DrawArrow(P, BackArrow(), true, Shown.CanGoBack);
    DrawArrow(P, OnArrow(), false, Shown.CanGoOn);
}

void ReviewWidget::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) return;
    const QPoint At = Event->position().toPoint();
    if (BackArrow().contains(At)) {
        if (Shown.CanGoBack && OnStep) OnStep(-1);
        return;
    }
    if (OnArrow().contains(At)) {
        if (Shown.CanGoOn && OnStep) OnStep(1);
        return;
    }
    if (OnClose) OnClose();
}

} // namespace tarnwick
