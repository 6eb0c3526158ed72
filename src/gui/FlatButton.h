// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button painted in one solid colour of its own, whatever the style would draw: a raised
// edge of light and dark lines, pressed in while held down, its caption centred in black with the
// access key underlined.

#include <QColor>
#include <QPushButton>

namespace tarnwick {

class FlatButton final : public QPushButton {
    Q_OBJECT
public:
    FlatButton(const QString& Caption, const QColor& Face, QWidget* Parent);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    QColor FaceColour;
    // The focus is drawn only once the keyboard has moved it here, so a mouse player never sees it.
    bool FocusFromKeyboard = false;
};

} // namespace tarnwick
