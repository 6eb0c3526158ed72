#pragma once
// The widgets that draw the table's elements. Each shows one element of the display model and
// reports clicks; none of them knows the rules of the game.

#include "table/DisplayModel.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace tarnwick {

// The game's layout is in twips; at 120 dots per inch twelve of them make a pixel.
inline constexpr double TwipsPerPixel = 12.0;
int Px(double Twips);
QRect PxRect(const Rect& R);
QColor ToQColor(Rgb C);
QFont TableFont(int PixelSize = 14);
// Puts a box that asks or tells something in the middle of the table window, on the table's screen.
void CentreOverTable(QWidget* Box);

class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* Parent);
    // True when the picture changed.
    bool SetPicture(const QPixmap* Picture);
    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    const QPixmap* Shown = nullptr;
};

class LabelWidget : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* Parent);
    void Show(const LabelBox& Box);
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
    void Show(const LabelBox& Box);
};

// A captioned frame: the caption sits in the gap of an etched border along the top.
class FrameWidget : public QWidget {
    Q_OBJECT
public:
    explicit FrameWidget(QWidget* Parent);
    void Show(const FrameBox& Box);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString Caption;
    Rgb Back, Fore;
    int RuleTop = 0;
    uint32_t Raised = 0;
};

// The green table with its brown rim.
class FeltWidget : public QWidget {
    Q_OBJECT
public:
    explicit FeltWidget(QWidget* Parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace tarnwick
