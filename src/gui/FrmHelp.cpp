// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/FrmHelp.h"

#include "gui/AccessibleFactory.h"
#include "gui/FlatButton.h"
#include "gui/TableWidgets.h"
#include "rules/HelpText.h"

#include <QFontMetrics>
#include <QPainter>

namespace tarnwick {

namespace {

const QColor HelpBlue(0, 0, 192);
const QColor HelpText(192, 255, 255);
const QColor ExitGreen(0, 192, 0);

// The window's client area in twips: as it was drawn, but tall enough to show the whole Exit button.
constexpr double HelpWidth = 12312, HelpHeight = 10092;

// Times New Roman bold 12 point, at the 120 dots per inch the window was drawn at.
constexpr int HelpFontPixels = 20;

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
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
    // The painted lines are told of as text.
    RebuildAccessible(this);
}

void FrmHelp::ShowHelp() {
    // On a small screen the window opens as large as the screen allows; what lies beyond is not seen.
    if (!isVisible()) resize(size().boundedTo(RoomOnScreen(this)));
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
    const QFontMetrics Metrics(font());
    int Top = 0;
    for (const std::string& Line : HelpLines()) {
        P.drawText(QPoint(0, Top + Metrics.ascent()), QString::fromStdString(Line));
        Top += Metrics.lineSpacing();
    }
}

} // namespace tarnwick
