// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look back over the hand's tricks, drawn over the whole table: the rest of the table dimmed,
// one trick face up on a felt of its own, the winning card ringed, the caption under the cards and
// an arrow either side. A click on an arrow steps; a click anywhere else closes it.

#include "gui/TableScale.h"
#include "flow/ReviewModel.h"

#include <QWidget>

#include <functional>

namespace tarnwick {

class Pictures;

class ReviewWidget final : public QWidget {
public:
    ReviewWidget(QWidget* Parent, Pictures& Pics);

    // Shows the review as the model has it, at the table's scale; true when what it shows changed.
    bool Show(const ReviewModel& Model, const TableScale& Scale);

    std::function<void(int)> OnStep;
    std::function<void()> OnClose;

    QRect BackArrow() const;
    QRect OnArrow() const;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    Pictures& Pics;
    ReviewModel Shown;
    TableScale Scale;
};

} // namespace tarnwick
