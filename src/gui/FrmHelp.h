// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the rules of the game painted as lines of light cyan text on blue, with an
// Exit button that only hides it. One window serves the whole run; it is never modal, so the
// table can be played beside it.

#include <QPoint>
#include <QWidget>

class QPushButton;

namespace tarnwick {

class FrmHelp final : public QWidget {
    Q_OBJECT
public:
    // A window of its own that belongs to the table: it goes with the table and never keeps the
    // program running once the table has closed.
    explicit FrmHelp(QWidget* Table);

public slots:
    // Shows the window, or brings it to the front when it is open already.
    void ShowHelp();

    // How far the text is scrolled, in pixels from its top-left corner.
    QPoint Scrolled() const { return Offset; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    // The whole page: every line at its full length, and the Exit button below them.
    QSize PageSize() const;
    void ScrollTo(QPoint To);
    // The Exit button stays in its place on the page while that is in sight, else at the edge.
    void PlaceExit();

    QPushButton* Command1 = nullptr;
    QPoint Offset;
};

} // namespace tarnwick
