// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/AccessibleListing.h"

#include "gui/AccessibleFactory.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QWidget>

#include <algorithm>

namespace tarnwick {

namespace {

constexpr const char* Unlisted = "tarnwickUnlisted";

bool IsUnlisted(const QObject* Child) {
    return Child->property(Unlisted).toBool();
}

// The role Qt gives such a widget itself.
QAccessible::Role RoleOf(const QWidget* Widget) {
    if (qobject_cast<const QDialog*>(Widget)) return QAccessible::Dialog;
    return Widget->isWindow() ? QAccessible::Window : QAccessible::Client;
}

// Lists its children as Qt does, less the ones left unlisted.
class ListingAccessible final : public QAccessibleWidget {
public:
    explicit ListingAccessible(QWidget* Widget) : QAccessibleWidget(Widget, RoleOf(Widget)) {}

    int childCount() const override { return static_cast<int>(Listed().size()); }

    QAccessibleInterface* child(int Index) const override {
        const QList<QWidget*> Children = Listed();
        return Index >= 0 && Index < Children.size()
                   ? QAccessible::queryAccessibleInterface(Children.at(Index))
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* Child) const override {
        return Child ? static_cast<int>(Listed().indexOf(qobject_cast<QWidget*>(Child->object()))) : -1;
    }

private:
    QList<QWidget*> Listed() const {
        QList<QWidget*> Children;
        for (QObject* Child : widget()->children()) {
            auto* Widget = qobject_cast<QWidget*>(Child);
            if (Widget && !Widget->isWindow() && !IsUnlisted(Widget)) Children.append(Widget);
        }
        return Children;
    }
};

} // namespace

void LeaveUnlisted(QWidget* Widget) {
    Widget->setProperty(Unlisted, true);
    if (QWidget* Parent = Widget->parentWidget()) RebuildAccessible(Parent);
}

QAccessibleInterface* ListingInterface(QWidget* Widget) {
    const QObjectList& Children = Widget->children();
    return std::any_of(Children.begin(), Children.end(), IsUnlisted) ? new ListingAccessible(Widget)
                                                                     : nullptr;
}

} // namespace tarnwick
