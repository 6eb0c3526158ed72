// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every instruction and announcement of the game appears in the status bar, which a screen
// reader does not speak by itself: a label that changes its text away from the focus goes
// unheard. So each new text is also sent out as a notification of the status bar, which screen
// readers present the moment it shows, with no move of the focus: Orca speaks the unrelated
// labels of a notification whose ancestor is a status bar, without naming its role, and keeps
// it in its list of notification messages. Each announcement is an object of its own that keeps
// its text, so a screen reader that reads it late still reads what was shown.

#include <QObject>

#include <deque>
#include <initializer_list>
#include <utility>

class QAccessibleInterface;
class QLabel;
class QStatusBar;
class QWidget;

namespace tarnwick {

class StatusAnnouncer final : public QObject {
public:
    explicit StatusAnnouncer(QStatusBar* Bar);

    // Shows each text in its panel; the texts that differ from what their panels showed are
    // announced together, in the order given.
    void Show(std::initializer_list<std::pair<QLabel*, QString>> Panels);
    // Announces a text that no panel shows, such as what the trick review or a hint says.
    void Tell(const QString& Text);

private:
    void Announce(const QStringList& Texts, const QRect& Where);

    QStatusBar* Bar;
    // The latest announcements, the newest last; older ones are let go.
    std::deque<QWidget*> Recent;
};

// The interface of an announcement, or null for any other widget.
QAccessibleInterface* AnnouncementInterface(QWidget* Widget);

} // namespace tarnwick
