// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widgets that draw the table's elements. Each shows one element of the display model and
// reports clicks; none of them knows the rules of the game.

#include "gui/TableScale.h"
#include "flow/DisplayModel.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace tarnwick {

// Twips to pixels at the designed scale, for the windows that keep their size.
int Px(double Twips);
QRect PxRect(const Rect& R);
QColor ToQColor(Rgb C);
// Puts a box that asks or tells something in the middle of the table window, on the table's screen.
void CentreOverTable(QWidget* Box);

class Pictures;

class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(QWidget* Parent, Pictures& Pics);
    // True when the picture changed.
    bool SetPicture(int Picture);
    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    Pictures& Pics;
    int Shown = 0;
};

class LabelWidget : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* Parent);
    void Show(const LabelBox& Box, const TableScale& Scale);
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* Event) override;

private:
    Rgb Back{1, 1, 1}, Fore{1, 1, 1};
};

class ButtonWidget : public QPushButton {
    Q_OBJECT
public:
    explicit ButtonWidget(QWidget* Parent);
    void Show(const LabelBox& Box, const TableScale& Scale);
};

// A captioned frame: the caption sits in the gap of an etched border along the top.
class FrameWidget : public QWidget {
    Q_OBJECT
public:
    explicit FrameWidget(QWidget* Parent);
    void Show(const FrameBox& Box, const TableScale& Scale);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString Caption;
    Rgb Back, Fore;
    int RuleTop = 0;
    uint32_t Raised = 0;
    TableScale DrawnAt;
};

// The green table with its brown rim.
class FeltWidget : public QWidget {
    Q_OBJECT
public:
    explicit FeltWidget(QWidget* Parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

// The window's client area, in which the table sits; tells when the window has resized it.
class RoomWidget : public QWidget {
    Q_OBJECT
public:
    explicit RoomWidget(QWidget* Parent);
    std::function<void()> OnResize;

protected:
    void resizeEvent(QResizeEvent*) override;
};

} // namespace tarnwick
