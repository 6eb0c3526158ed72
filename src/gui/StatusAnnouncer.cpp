// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/StatusAnnouncer.h"

#include "gui/AccessibleFactory.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QStatusBar>

namespace tarnwick {

namespace {

// Long enough for a screen reader to catch up with a quick run of texts.
constexpr size_t AnnouncementsKept = 16;

// Draws nothing and takes no clicks: it lies over the panels it speaks for, holding their new
// texts in hidden labels.
class Announcement final : public QWidget {
public:
    Announcement(QStatusBar* Bar, const QStringList& Texts, const QRect& Where) : QWidget(Bar) {
        setObjectName(QStringLiteral("Announcement"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(Where);
        for (const QString& Text : Texts) {
            auto* Said = new QLabel(Text, this);
            Said->setTextFormat(Qt::PlainText);
            Said->hide();
        }
    }
};

class AnnouncementAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(QWidget* Widget) : QAccessibleWidget(Widget, QAccessible::Notification) {}
};

} // namespace

StatusAnnouncer::StatusAnnouncer(QStatusBar* Bar) : QObject(Bar), Bar(Bar) {}

void StatusAnnouncer::Show(std::initializer_list<std::pair<QLabel*, QString>> Panels) {
    QStringList Texts;
    QRect Where;
    for (const auto& [Panel, Text] : Panels) {
        if (Panel->text() == Text) continue;
        Panel->setText(Text);
        if (Text.isEmpty()) continue;
        Texts << Text;
        Where |= Panel->geometry();
    }
    if (!Texts.isEmpty()) Announce(Texts, Where);
}

void StatusAnnouncer::Tell(const QString& Text) {
    if (!Text.isEmpty()) Announce({Text}, Bar->rect());
}

void StatusAnnouncer::Announce(const QStringList& Texts, const QRect& Where) {
    if (!Recent.empty()) Recent.back()->hide();
    if (Recent.size() == AnnouncementsKept) {
        Recent.front()->deleteLater();
        Recent.pop_front();
    }
    auto* Said = new Announcement(Bar, Texts, Where);
    RebuildAccessible(Said);
    Recent.push_back(Said);
    Said->show();
}

QAccessibleInterface* AnnouncementInterface(QWidget* Widget) {
    return dynamic_cast<Announcement*>(Widget) ? new AnnouncementAccessible(Widget) : nullptr;
}

} // namespace tarnwick
