// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own message box: a borderless dark window with a title strip, the message, a picture
// and one to three orange buttons. It shows whatever question the game has put in its display
// model and hands the clicked button back to the game; it never decides anything itself.

#include "gui/TableScale.h"
#include "flow/Game.h"
#include "commands/Keys.h"

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QLabel;

namespace tarnwick {

class MsgButton;
class MsgText;

class MFormDeluxe final : public QDialog {
    Q_OBJECT
public:
    // RenderTable runs once a click has answered the box and the game has taken the answer, so
    // that the table can show what the answer changed.
    MFormDeluxe(QWidget* Table, Game& G, QString AssetFolder, std::function<void()> RenderTable);

    // Opens, refreshes or hides the box to match the game's display model. Cheap when nothing
    // changed, so the table can call it after every step.
    void Sync();

    // The box grows and shrinks with the table; a box that is up is laid out again at once.
    void SetScale(const TableScale& TableAt);

public slots:
    // Only a click on a caption answers the box: Escape and closing do nothing.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    bool focusNextPrevChild(bool Next) override;

private:
    void LayOut(const MessageBoxModel& Box);
    void PressButton(int Index);
    // A key for the box; true when it was taken.
    bool Pressed(Key Target);
    // Rings the button the keyboard's focus rests on, and tells a screen reader when it moves.
    void RenderFocus();
    QPixmap Picture(int PictureNo) const;

    Game& G;
    QString AssetFolder;
    std::function<void()> RenderTable;
    TableScale Scale;
    // The question as last laid out, to tell a new question from the one already shown.
    std::optional<MessageBoxModel> Shown;

    QLabel* Label3 = nullptr;
    MsgText* Label2 = nullptr;
    QLabel* Picture1 = nullptr;
    std::array<MsgButton*, 3> Pic1{};
    FocusMark Announced;
};

} // namespace tarnwick
