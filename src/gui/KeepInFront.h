// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a modal window in front of the program's other windows for as long as it is shown. A
// window system may bring a window the modal one blocks to the front (a window manager raising
// it on a click, a pager, the player's own keys); the modal window, which alone can be answered,
// then comes back on top at once and takes the keyboard again.

#include <QObject>

class QWidget;
class QWindow;

namespace tarnwick {

class KeepInFront final : public QObject {
    Q_OBJECT
public:
    // Watches for Window, and goes with it.
    explicit KeepInFront(QWidget* Window);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool Watching() const;
    // Another window of the program was uncovered or took the keyboard.
    void OtherWindowCameForward(QWindow* Other);
    void ComeForward();

    QWidget* Window;
    bool Coming = false;
};

} // namespace tarnwick
