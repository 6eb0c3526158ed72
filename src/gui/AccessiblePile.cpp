// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/AccessiblePile.h"

#include "gui/AccessibleFactory.h"
#include "gui/AccessibleListing.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace tarnwick {

namespace {

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

} // namespace

void DescribeTrickPile(const std::vector<QWidget*>& Images, const QString& Whose) {
    if (Images.empty()) return;
    new PileRow(Images, Whose);
    for (size_t K = 1; K < Images.size(); ++K)
        LeaveUnlisted(Images[K]);
    RebuildAccessible(Images.front());
}

QAccessibleInterface* PileInterface(QWidget* Widget) {
    return RowOf(Widget) ? new PileAccessible(Widget) : nullptr;
}

} // namespace tarnwick
