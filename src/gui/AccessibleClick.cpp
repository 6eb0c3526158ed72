// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/AccessibleClick.h"

#include "gui/AccessibleFactory.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QRegion>
#include <QWidget>

#include <utility>

namespace tarnwick {

namespace {

// Rides along with the widget whose click it offers and goes with it.
class ClickOffer final : public QObject {
public:
    ClickOffer(QWidget* Target, QAccessible::Role Role, std::function<void()> Click,
               std::function<bool()> Offered)
        : QObject(Target), Role(Role), Click(std::move(Click)), Offered(std::move(Offered)) {}

    const QAccessible::Role Role;
    const std::function<void()> Click;
    const std::function<bool()> Offered;
};

ClickOffer* OfferOf(const QWidget* Widget) {
    for (QObject* Child : Widget->children())
        if (auto* Offer = dynamic_cast<ClickOffer*>(Child)) return Offer;
    return nullptr;
}

QWidget* ParentWindow(const QWidget* Window) {
    return Window->parentWidget() ? Window->parentWidget()->window() : nullptr;
}

// True while a modal box keeps the mouse from Target's window.
bool WaitsBehindModalBox(const QWidget* Target) {
    const QWidget* Modal = QApplication::activeModalWidget();
    if (!Modal) return false;
    for (const QWidget* Window = Target->window(); Window; Window = ParentWindow(Window))
        if (Window == Modal) return false;
    if (Modal->windowModality() == Qt::ApplicationModal) return true;
    // A window-modal box holds the windows it belongs to, and every window that belongs to them.
    for (const QWidget* Held = ParentWindow(Modal); Held; Held = ParentWindow(Held))
        for (const QWidget* Window = Target->window(); Window; Window = ParentWindow(Window))
            if (Window == Held) return true;
    return false;
}

bool IsOffered(const QWidget* Widget) {
    const ClickOffer* Offer = OfferOf(Widget);
    return Offer && Widget->isVisible() && Widget->isEnabled() && !WaitsBehindModalBox(Widget) &&
           (!Offer->Offered || Offer->Offered());
}

// The largest piece of the widget that nothing stacked above it covers, on the screen: a card
// in a fanned hand shows only its left edge, and a screen reader that clicks an element clicks
// the middle of what it is told.
QRect UncoveredPart(const QWidget* Widget) {
    const QWidget* Parent = Widget->parentWidget();
    QRegion Free(Widget->geometry());
    if (Parent) {
        bool Above = false;
        for (QObject* Child : Parent->children()) {
            const auto* Sibling = qobject_cast<QWidget*>(Child);
            if (Sibling == Widget) Above = true;
            if (!Above || !Sibling || Sibling == Widget || Sibling->isWindow() || !Sibling->isVisible() ||
                Sibling->testAttribute(Qt::WA_TransparentForMouseEvents))
                continue;
            Free -= Sibling->geometry();
        }
    }
    QRect Largest;
    for (const QRect& Piece : Free)
        if (Piece.width() * Piece.height() > Largest.width() * Largest.height()) Largest = Piece;
    if (Largest.isEmpty()) Largest = Widget->geometry();
    const QPoint Origin = Parent ? Parent->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    return Largest.translated(Origin);
}

class ClickAccessible final : public QAccessibleWidget {
public:
    explicit ClickAccessible(QWidget* Widget) : QAccessibleWidget(Widget) {}

    QAccessible::Role role() const override {
        const ClickOffer* Offer = OfferOf(widget());
        return Offer ? Offer->Role : QAccessibleWidget::role();
    }

    // A caption or a number is read as it is shown; the tip says what a click on it does.
    QString text(QAccessible::Text Kind) const override {
        if (Kind == QAccessible::Name) {
            if (const auto* Label = qobject_cast<const QLabel*>(widget())) return Label->text();
            if (const auto* Button = qobject_cast<const QAbstractButton*>(widget()))
                return QString(Button->text()).remove(QLatin1Char('&'));
        }
        if (Kind == QAccessible::Description && !widget()->toolTip().isEmpty()) return widget()->toolTip();
        return QAccessibleWidget::text(Kind);
    }

    QRect rect() const override {
        if (!widget()->isVisible()) return QAccessibleWidget::rect();
        return UncoveredPart(widget());
    }

    QStringList actionNames() const override {
        QStringList Names = QAccessibleWidget::actionNames();
        if (IsOffered(widget())) Names.prepend(pressAction());
        return Names;
    }

    // The click runs from the event loop, as a mouse click would, once the caller has its answer;
    // by then the table may have moved on, so the offer is looked at again.
    void doAction(const QString& Name) override {
        if (Name != pressAction()) {
            QAccessibleWidget::doAction(Name);
            return;
        }
        QWidget* Target = widget();
        QMetaObject::invokeMethod(
            Target,
            [Target] {
                if (IsOffered(Target)) OfferOf(Target)->Click();
            },
            Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& Name) const override {
        if (Name == pressAction())
            if (const auto* Button = qobject_cast<const QAbstractButton*>(widget())) {
                const QKeySequence Mnemonic = QKeySequence::mnemonic(Button->text());
                if (!Mnemonic.isEmpty()) return {Mnemonic.toString(QKeySequence::NativeText)};
            }
        return QAccessibleWidget::keyBindingsForAction(Name);
    }
};

} // namespace

void OfferClick(QWidget* Target, QAccessible::Role Role, std::function<void()> Click,
                std::function<bool()> Offered) {
    new ClickOffer(Target, Role, std::move(Click), std::move(Offered));
    RebuildAccessible(Target);
}

QAccessibleInterface* ClickInterface(QWidget* Widget) {
    return OfferOf(Widget) ? new ClickAccessible(Widget) : nullptr;
}

} // namespace tarnwick
