// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/KeyMap.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QWidget>

namespace tarnwick {

std::optional<Key> TableKeyOf(const QKeyEvent& Event) {
    if (Event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    const int Code = Event.key();
    if (Code >= Qt::Key_0 && Code <= Qt::Key_9)
        return static_cast<Key>(static_cast<int>(Key::Digit0) + (Code - Qt::Key_0));
    switch (Code) {
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_Tab:
        return Event.modifiers() & Qt::ShiftModifier ? Key::BackTab : Key::Tab;
    case Qt::Key_Backtab:
        return Key::BackTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Return;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_N:
        return Key::N;
    default:
        return std::nullopt;
    }
}

void AnnounceFocus(QWidget* Target) {
    if (!Target || !QAccessible::isActive()) return;
    QAccessibleEvent Moved(Target, QAccessible::Focus);
    QAccessible::updateAccessibility(&Moved);
}

} // namespace tarnwick
