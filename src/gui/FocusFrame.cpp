// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/FocusFrame.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarnwick {

FocusFrame::FocusFrame(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("FocusMark"));
    // Clicks go through to the card under the ring, and a screen reader hears the card itself.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

int FocusFrame::Thickness(double Scale) { return std::max(2, static_cast<int>(std::lround(3 * Scale))); }

void FocusFrame::Ring(const QRect& Around, double Scale) {
    Thick = Thickness(Scale);
    const QRect Place = Around.adjusted(-Thick - 1, -Thick - 1, Thick + 1, Thick + 1);
    if (geometry() != Place) setGeometry(Place);
    raise();
    show();
}

void FocusFrame::paintEvent(QPaintEvent*) { PaintRing(this, rect(), Thick); }

void PaintRing(QWidget* On, const QRect& Box, int Thick) {
    QPainter P(On);
    P.setRenderHint(QPainter::Antialiasing, false);
    const QRegion Ring = QRegion(Box).subtracted(QRegion(Box.adjusted(Thick + 2, Thick + 2, -Thick - 2, -Thick - 2)));
    P.setClipRegion(Ring);
    P.fillRect(Box, Qt::black);
    P.fillRect(Box.adjusted(1, 1, -1, -1), QColor(255, 255, 0));
    P.fillRect(Box.adjusted(Thick + 1, Thick + 1, -Thick - 1, -Thick - 1), Qt::black);
}

} // namespace tarnwick
