// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the rules of the game painted as lines of light cyan text on blue, with an
// Exit button that only hides it. One window serves the whole run; it is never modal, so the
// table can be played beside it.

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

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QPushButton* Command1 = nullptr;
};

} // namespace tarnwick
