// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/AccessibleFactory.h"

#include "gui/AccessibleClick.h"
#include "gui/AccessibleHelp.h"
#include "gui/AccessibleListing.h"
#include "gui/AccessiblePile.h"
#include "gui/StatusAnnouncer.h"

#include <QAccessible>
#include <QWidget>

namespace tarnwick {

namespace {

QAccessibleInterface* TableFactory(const QString&, QObject* Object) {
    auto* Widget = qobject_cast<QWidget*>(Object);
    if (!Widget) return nullptr;
    for (auto* Make : {ClickInterface, PileInterface, ListingInterface, HelpInterface, AnnouncementInterface})
        if (QAccessibleInterface* Made = Make(Widget)) return Made;
    return nullptr;
}

} // namespace

void RebuildAccessible(QObject* Object) {
    static const bool Installed = [] {
        QAccessible::installFactory(TableFactory);
        return true;
    }();
    (void)Installed;
    if (QAccessibleInterface* Built = QAccessible::queryAccessibleInterface(Object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(Built));
}

} // namespace tarnwick
