#include "gui/AccessiblePile.h"

#include "gui/AccessibleFactory.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace tarnwick {

namespace {

// Set on the pictures of a row after its first: their row is told of once, by the first.
constexpr const char* LeftUnlisted = "tarnwickLeftUnlisted";

bool IsUnlisted(const QObject* Child) {
    return Child->property(LeftUnlisted).toBool();
}

// Rides along with a row's first picture: knows the row, and tells listeners when its count
// changes.
class PileRow final : public QObject {
public:
    PileRow(const std::vector<QWidget*>& Images, const QString& Whose)
        : QObject(Images.front()), Whose(Whose), Images(Images.begin(), Images.end()) {
        for (QWidget* Image : Images)
            Image->installEventFilter(this);
        Told = Count();
    }

    const QString Whose;
    const std::vector<QPointer<QWidget>> Images;

    int Count() const {
        return static_cast<int>(
            std::count_if(Images.begin(), Images.end(),
                          [](const QPointer<QWidget>& Image) { return Image && !Image->isHidden(); }));
    }

protected:
    bool eventFilter(QObject*, QEvent* Event) override {
        if ((Event->type() == QEvent::Show || Event->type() == QEvent::Hide) && Count() != Told) {
            Told = Count();
            QAccessibleEvent Renamed(parent(), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&Renamed);
        }
        return false;
    }

private:
    int Told = 0;
};

PileRow* RowOf(const QWidget* Widget) {
    for (QObject* Child : Widget->children())
        if (auto* Row = dynamic_cast<PileRow*>(Child)) return Row;
    return nullptr;
}

class PileAccessible final : public QAccessibleWidget {
public:
    explicit PileAccessible(QWidget* Widget) : QAccessibleWidget(Widget, QAccessible::Graphic) {}

    QString text(QAccessible::Text Kind) const override {
        const PileRow* Row = RowOf(widget());
        if (Kind != QAccessible::Name || !Row) return QAccessibleWidget::text(Kind);
        return QStringLiteral("%1 tricks: %2").arg(Row->Whose).arg(Row->Count());
    }

    // The whole row, as far as it is laid out.
    QRect rect() const override {
        const PileRow* Row = RowOf(widget());
        if (!Row || !widget()->isVisible()) return QAccessibleWidget::rect();
        QRect Whole;
        for (const QPointer<QWidget>& Image : Row->Images)
            if (Image && Image->isVisible()) Whole |= QRect(Image->mapToGlobal(QPoint(0, 0)), Image->size());
        return Whole;
    }
};

// Lists its children as Qt does, less the ones left unlisted.
class TableAccessible final : public QAccessibleWidget {
public:
    explicit TableAccessible(QWidget* Widget) : QAccessibleWidget(Widget) {}

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

void DescribeTrickPile(const std::vector<QWidget*>& Images, const QString& Whose) {
    if (Images.empty()) return;
    new PileRow(Images, Whose);
    for (size_t K = 1; K < Images.size(); ++K)
        Images[K]->setProperty(LeftUnlisted, true);
    RebuildAccessible(Images.front());
    if (QWidget* Parent = Images.front()->parentWidget()) RebuildAccessible(Parent);
}

QAccessibleInterface* PileInterface(QWidget* Widget) {
    return RowOf(Widget) ? new PileAccessible(Widget) : nullptr;
}

QAccessibleInterface* TableInterface(QWidget* Widget) {
    const QObjectList& Children = Widget->children();
    const bool Hides = std::any_of(Children.begin(), Children.end(), IsUnlisted);
    return Hides ? new TableAccessible(Widget) : nullptr;
}

} // namespace tarnwick
