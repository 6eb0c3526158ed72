// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard's focus mark: a yellow ring edged in black around the marked card, number or
// button, whole pixels thick at every scale so it stays sharp.

#include <QWidget>

namespace tarnwick {

class FocusFrame final : public QWidget {
    Q_OBJECT
public:
    explicit FocusFrame(QWidget* Parent);
    // Rings Around (in the parent's pixels) at the table's Scale, or hides the ring.
    void Ring(const QRect& Around, double Scale);
    // The thickness of the ring at Scale, in pixels.
    static int Thickness(double Scale);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int Thick = 2;
};

// Draws a ring Thick pixels wide, edged in black, just inside Box.
void PaintRing(QWidget* On, const QRect& Box, int Thick);

} // namespace tarnwick
