// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the game's picture, its name, the system it runs on and its version, on dark
// blue, with an O.K button that hides it. One box serves the whole run.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace tarnwick {

// The system the program is running on, as the about box names it ("Linux", "Windows", ...).
QString PlatformName();

class FrmSplash final : public QDialog {
    Q_OBJECT
public:
    // AssetFolder holds the game's pictures; the box shows the 32 x 32 icon picture from there.
    FrmSplash(QWidget* Table, const QString& AssetFolder);

public slots:
    // Shows the box, or brings it to the front when it is open already. The first showing is
    // modal to the table, the later ones are not: see the definition.
    void ShowAbout();

signals:
    // True as the modal first showing opens, false as it goes: the game stands still between.
    void TableHeld(bool Held);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    bool ShownBefore = false;
    bool HoldingTable = false;
    QWidget* Frame1 = nullptr;
    QLabel* ImgLogo = nullptr;
    QLabel* LblProductName = nullptr;
    QLabel* LblPlatform = nullptr;
    QLabel* LblVersion = nullptr;
    QPushButton* CmdOK = nullptr;
};

} // namespace tarnwick
