// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/AccessibleHelp.h"

#include "gui/FrmHelp.h"
#include "rules/HelpText.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPointer>
#include <QWindow>

#include <memory>
#include <vector>

namespace tarnwick {

namespace {

// One printed line: no widget of its own, so it is told of where the window paints it.
class HelpLine final : public QAccessibleInterface {
public:
    HelpLine(FrmHelp* Help, int Row, QString Text) : Help(Help), Row(Row), Line(std::move(Text)) {}

    bool isValid() const override { return !Help.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Help ? Help->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Help.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    void setText(QAccessible::Text, const QString&) override {}

    // Read as it is painted, without the blanks that only indent it.
    QString text(QAccessible::Text Kind) const override {
        return Kind == QAccessible::Name ? Line.trimmed() : QString();
    }

    QRect rect() const override {
        if (!Help) return {};
        const QFontMetrics Metrics(Help->font());
        const QRect Painted(0, Row * Metrics.lineSpacing(), Metrics.horizontalAdvance(Line),
                            Metrics.height());
        return Painted.translated(Help->mapToGlobal(QPoint(0, 0)) - Help->Scrolled())
            .intersected(QRect(Help->mapToGlobal(QPoint(0, 0)), Help->size()));
    }

    QAccessible::State state() const override {
        QAccessible::State State;
        State.readOnly = true;
        State.invisible = !Help || !Help->isVisible();
        State.offscreen = rect().isEmpty();
        return State;
    }

private:
    QPointer<FrmHelp> Help;
    const int Row;
    const QString Line;
};

class HelpAccessible final : public QAccessibleWidget {
public:
    explicit HelpAccessible(FrmHelp* Help) : QAccessibleWidget(Help, QAccessible::Window) {
        int Row = 0;
        for (const std::string& Text : HelpLines()) {
            const QString Line = QString::fromStdString(Text);
            if (!Line.trimmed().isEmpty())
                Lines.push_back(QAccessible::registerAccessibleInterface(new HelpLine(Help, Row, Line)));
            ++Row;
        }
    }

    ~HelpAccessible() override {
        for (QAccessible::Id Line : Lines)
            QAccessible::deleteAccessibleInterface(Line);
    }

    int childCount() const override { return LineCount() + QAccessibleWidget::childCount(); }

    QAccessibleInterface* child(int Index) const override {
        if (Index < 0) return nullptr;
        if (Index < LineCount()) return QAccessible::accessibleInterface(Lines[static_cast<size_t>(Index)]);
        return QAccessibleWidget::child(Index - LineCount());
    }

    int indexOfChild(const QAccessibleInterface* Child) const override {
        for (size_t K = 0; K < Lines.size(); ++K)
            if (QAccessible::accessibleInterface(Lines[K]) == Child) return static_cast<int>(K);
        const int Index = QAccessibleWidget::indexOfChild(Child);
        return Index < 0 ? -1 : Index + LineCount();
    }

private:
    int LineCount() const { return static_cast<int>(Lines.size()); }

    std::vector<QAccessible::Id> Lines;
};

} // namespace

QAccessibleInterface* HelpInterface(QWidget* Widget) {
    auto* Help = qobject_cast<FrmHelp*>(Widget);
    return Help ? new HelpAccessible(Help) : nullptr;
}

} // namespace tarnwick
