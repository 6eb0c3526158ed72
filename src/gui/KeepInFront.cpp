// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/KeepInFront.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tarnwick {

KeepInFront::KeepInFront(QWidget* Window) : QObject(Window), Window(Window) {
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &KeepInFront::OtherWindowCameForward);
}

bool KeepInFront::Watching() const {
    return Window->isVisible() && Window->isModal();
}

// A window that comes to the front is exposed where it was covered: that is the one sign every
// window system gives, with or without a window manager.
bool KeepInFront::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::Expose && Watched->isWindowType())
        OtherWindowCameForward(static_cast<QWindow*>(Watched));
    return false;
}

void KeepInFront::OtherWindowCameForward(QWindow* Other) {
    if (!Other || !Watching() || Other == Window->windowHandle() || !Other->isVisible()) return;
    if (Other->type() == Qt::Popup || Other->type() == Qt::ToolTip) return;
    if (Coming) return;
    // After the event that told of it, so the other window has finished coming forward.
    Coming = true;
    QTimer::singleShot(0, this, &KeepInFront::ComeForward);
}

void KeepInFront::ComeForward() {
    Coming = false;
    if (!Watching()) return;
    Window->raise();
    Window->activateWindow();
}

} // namespace tarnwick
