#include "gui/TableWidgets.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

#include <cmath>

namespace tarnwick {

int Px(double Twips) {
    return static_cast<int>(std::lround(Twips / TwipsPerPixel));
}

QRect PxRect(const Rect& R) {
    return QRect(Px(R.Left), Px(R.Top), Px(R.Width), Px(R.Height));
}

QColor ToQColor(Rgb C) {
    return QColor(C.R, C.G, C.B);
}

QFont TableFont(int PixelSize) {
    QFont F(QStringLiteral("Times New Roman"));
    F.setPixelSize(PixelSize);
    F.setBold(true);
    return F;
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

PictureWidget::PictureWidget(QWidget* Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    hide();
}

bool PictureWidget::SetPicture(const QPixmap* Picture) {
    if (Picture == Shown) return false;
    Shown = Picture;
    update();
    return true;
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (!Shown) return;
    QPainter P(this);
    P.setRenderHint(QPainter::SmoothPixmapTransform);
    P.drawPixmap(rect(), *Shown);
}

void PictureWidget::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton && OnClick) OnClick();
}

LabelWidget::LabelWidget(QWidget* Parent) : QLabel(Parent) {
    setAutoFillBackground(true);
    setFont(TableFont());
    setTextFormat(Qt::PlainText);
}

void LabelWidget::Show(const LabelBox& Box) {
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
        setMargin(Wraps ? 3 : 0);
    }
    setAlignment(Box.Centred ? Qt::AlignCenter
                 : Wraps     ? Qt::AlignLeft | Qt::AlignTop
                             : Qt::AlignLeft | Qt::AlignVCenter);
    QRect Place = PxRect(Box.Place);
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
}

void ButtonWidget::Show(const LabelBox& Box) {
    const QString Text = QString::fromStdString(Box.Caption);
    if (text() != Text) setText(Text);
    const QString Tip = QString::fromStdString(Box.ToolTip);
    if (toolTip() != Tip) setToolTip(Tip);
    const QRect Place = PxRect(Box.Place);
    if (geometry() != Place) setGeometry(Place);
    setVisible(Box.Visible);
}

FrameWidget::FrameWidget(QWidget* Parent) : QWidget(Parent) {
    hide();
}

void FrameWidget::Show(const FrameBox& Box) {
    const QString Text = QString::fromStdString(Box.Caption);
    if (accessibleName() != Text) setAccessibleName(Text);
    if (Text != Caption || Box.Back != Back || Box.Fore != Fore) {
        Caption = Text;
        Back = Box.Back;
        Fore = Box.Fore;
        update();
    }
    if (Px(Box.RuleTop) != RuleTop) {
        RuleTop = Px(Box.RuleTop);
        update();
    }
    const QString Tip = QString::fromStdString(Box.ToolTip);
    if (toolTip() != Tip) setToolTip(Tip);
    const QRect Place = PxRect(Box.Place);
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
    P.setFont(TableFont());
    const QFontMetrics Metrics(P.font());
    const int Line = Metrics.height() / 2;
    const QRect Border = rect().adjusted(1, Line, -2, -2);
    const int CaptionWidth = Caption.isEmpty() ? 0 : Metrics.horizontalAdvance(Caption) + 6;
    // An etched line: a dark stroke with a light one beside it, broken where the caption sits.
    for (const auto& [Offset, Colour] :
         {std::pair{0, QColor(0, 0, 0, 160)}, std::pair{1, QColor(255, 255, 255, 90)}}) {
        P.setPen(Colour);
        const QRect R = Border.translated(Offset, Offset);
        P.drawLine(R.left(), R.top(), R.left() + 6, R.top());
        P.drawLine(R.left() + 6 + CaptionWidth, R.top(), R.right(), R.top());
        P.drawLine(R.right(), R.top(), R.right(), R.bottom());
        P.drawLine(R.right(), R.bottom(), R.left(), R.bottom());
        P.drawLine(R.left(), R.bottom(), R.left(), R.top());
    }
    if (RuleTop > 0) {
        P.setPen(QColor(0, 0, 0, 160));
        P.drawLine(Border.left() + 4, RuleTop, Border.right() - 4, RuleTop);
        P.setPen(QColor(255, 255, 255, 90));
        P.drawLine(Border.left() + 4, RuleTop + 1, Border.right() - 4, RuleTop + 1);
    }
    P.setPen(ToQColor(Fore));
    P.drawText(QRect(9, 0, CaptionWidth, Metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, Caption);
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

} // namespace tarnwick
