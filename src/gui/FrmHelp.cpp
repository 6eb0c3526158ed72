// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/FrmHelp.h"

#include "gui/AccessibleFactory.h"
#include "gui/FlatButton.h"
#include "gui/TableWidgets.h"
#include "shell/HelpText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace tarnwick {

namespace {

const QColor HelpBlue(0, 0, 192);
const QColor HelpText(192, 255, 255);
const QColor ExitGreen(0, 192, 0);

// The window's client area in twips: as it was drawn, but tall enough to show the whole Exit button.
constexpr double HelpWidth = 12312, HelpHeight = 10092;

// Times New Roman bold 12 point, at the 120 dots per inch the window was drawn at.
constexpr int HelpFontPixels = 20;

// Room kept right of the longest line.
constexpr int RightMargin = 8;

} // namespace

FrmHelp::FrmHelp(QWidget* Table) : QWidget(Table, Qt::Window) {
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QStringLiteral("Tarnwick Help"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette Colours = palette();
    Colours.setColor(QPalette::Window, HelpBlue);
    Colours.setColor(QPalette::WindowText, HelpText);
    setPalette(Colours);
    setFont(TableFont(HelpFontPixels));
    resize(Px(HelpWidth), Px(HelpHeight));

    // The button keeps its place when the window is resized, like the text. At the window's first
    // size its bottom edge lies a few pixels beyond the client area; the layout is kept as drawn.
    Command1 = new FlatButton(QStringLiteral("E&xit"), ExitGreen, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(TableFont(HelpFontPixels));
    Command1->setGeometry(Px(5400), Px(9720), Px(1932), Px(372));
    // Keys scroll the window and Escape or Return closes it, wherever the keyboard's focus is.
    Command1->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    connect(Command1, &QPushButton::clicked, this, [this] {
        hide();
        // The keyboard goes back to the table, whatever the window manager would choose.
        if (parentWidget()) parentWidget()->window()->activateWindow();
    });
    // The painted lines are told of as text.
    RebuildAccessible(this);
}

QSize FrmHelp::PageSize() const {
    const QFontMetrics Metrics(font());
    int Longest = 0;
    for (const std::string& Line : HelpLines())
        Longest = std::max(Longest, Metrics.horizontalAdvance(QString::fromStdString(Line)));
    return {std::max(Px(HelpWidth), Longest + RightMargin), Px(HelpHeight)};
}

// The window opens wide enough for its longest line and tall enough for its Exit button, as far
// as the screen has room; on a smaller screen the page scrolls.
void FrmHelp::ShowHelp() {
    if (!isVisible()) resize(PageSize().boundedTo(RoomOnScreen(this)));
    show();
    raise();
    activateWindow();
}

// Every paint starts again at the top-left corner and prints each line on a line of its own, so
// uncovering or resizing the window redraws the same text in the same place. Lines longer than the
// window run off its right edge; nothing is wrapped.
void FrmHelp::paintEvent(QPaintEvent*) {
    QPainter P(this);
    P.fillRect(rect(), HelpBlue);
    P.setFont(font());
    P.setPen(HelpText);
    P.translate(-Offset);
    const QFontMetrics Metrics(font());
    int Top = 0;
    for (const std::string& Line : HelpLines()) {
        P.drawText(QPoint(0, Top + Metrics.ascent()), QString::fromStdString(Line));
        Top += Metrics.lineSpacing();
    }
}

} // namespace tarnwick

namespace tarnwick {

void FrmHelp::ScrollTo(QPoint To) {
    const QSize Page = PageSize();
    To.setX(std::clamp(To.x(), 0, std::max(0, Page.width() - width())));
    To.setY(std::clamp(To.y(), 0, std::max(0, Page.height() - height())));
    if (To == Offset) return;
    Offset = To;
    PlaceExit();
    update();
}

void FrmHelp::PlaceExit() {
    const QRect OnPage(Px(5400), Px(9720), Px(1932), Px(372));
    QRect At = OnPage.translated(-Offset);
    At.moveLeft(std::clamp(At.left(), 0, std::max(0, width() - At.width())));
    At.moveTop(std::clamp(At.top(), 0, std::max(0, height() - At.height())));
    Command1->setGeometry(At);
}

void FrmHelp::keyPressEvent(QKeyEvent* Event) {
    const int Line = QFontMetrics(font()).lineSpacing();
    const int Page = std::max(Line, height() - Line);
    switch (Event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Command1->click();
        return;
    case Qt::Key_Up:
        return ScrollTo(Offset - QPoint(0, Line));
    case Qt::Key_Down:
        return ScrollTo(Offset + QPoint(0, Line));
    case Qt::Key_Left:
        return ScrollTo(Offset - QPoint(4 * Line, 0));
    case Qt::Key_Right:
        return ScrollTo(Offset + QPoint(4 * Line, 0));
    case Qt::Key_PageUp:
        return ScrollTo(Offset - QPoint(0, Page));
    case Qt::Key_PageDown:
        return ScrollTo(Offset + QPoint(0, Page));
    case Qt::Key_Home:
        return ScrollTo({0, 0});
    case Qt::Key_End:
        return ScrollTo({0, PageSize().height()});
    default:
        QWidget::keyPressEvent(Event);
    }
}

// Three lines a notch, as desktops scroll; sideways with a tilt of the wheel or Shift held.
void FrmHelp::wheelEvent(QWheelEvent* Event) {
    const int Line = QFontMetrics(font()).lineSpacing();
    QPoint Turned = Event->angleDelta() / 120 * 3 * Line;
    if (Event->modifiers() & Qt::ShiftModifier) Turned = QPoint(Turned.y(), Turned.x());
    ScrollTo(Offset - Turned);
    Event->accept();
}

void FrmHelp::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    const QPoint Kept = Offset;
    Offset = {-1, -1};
    ScrollTo(Kept);
    PlaceExit();
}

} // namespace tarnwick
