// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card table window. It draws the game's display model and passes the player's clicks, keys
// and menu commands to the game; every rule lives in the game itself.

#include "gui/DesktopSpeaker.h"
#include "gui/Pictures.h"
#include "gui/QtClock.h"
#include "gui/TableScale.h"
#include "flow/Game.h"
#include "commands/Keys.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QInputDialog;
class QKeySequence;
class QLabel;
class QMenu;

namespace tarnwick {

class ButtonWidget;
class FeltWidget;
class FrameWidget;
class FrmHelp;
class FocusFrame;
class FrmSplash;
class LabelWidget;
class MFormDeluxe;
class PictureWidget;
class ReviewWidget;
class StatusAnnouncer;

class FrmTable final : public QMainWindow {
    Q_OBJECT
public:
    // Time is the real clock unless another is given (tests play whole games in virtual time).
    FrmTable(const QString& AssetFolder, std::filesystem::path RecordsFolder, uint64_t Seed,
             std::unique_ptr<TableClock> Time = nullptr);
    ~FrmTable() override;

    // Shows the window and runs the start-up: the records, the score panel and the riffle.
    void Start();

    Game& GameAtTable() { return *TheGame; }

    // The scale the table is drawn at: 1 at its designed size.
    const TableScale& Scaled() const { return Scale; }
    // Below this the table's texts would no longer be readable.
    static constexpr double SmallestScale = 0.5;

public slots:
    // Shows whatever the game changed since the last call.
    void Render();

protected:
    void moveEvent(QMoveEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    bool focusNextPrevChild(bool Next) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // The largest scale up to the designed one at which the window fits its screen, centred there.
    void FitToScreen();
    // Draws the table as large as its room allows, in the middle of it.
    void FitToRoom();
    void ScaleTo(const TableScale& NewScale);
    void BuildMenus();
    QAction* AddCommand(QMenu* Menu, const char* Name, const char* Caption, Element Command,
                        QKeySequence Shortcut = {});
    void BuildTable();
    void BuildStatusBar();
    void SyncNameInput();
    void SyncQuit();
    void CloseOtherWindows();
    void RenderCards();
    void RenderPile(const TrickPile& Pile, std::array<PictureWidget*, 14>& Widgets);
    // Hands a click to the game and shows what it changed.
    void Clicked(Clickable Target);
    // Hands a key to the game; false when nothing at the table took it.
    bool Pressed(Key Target);
    // F10, or Alt pressed and released, opens the menu bar at its first menu that can be used.
    void BuildMenuBarKeys();
    void OpenMenuBar();
    void WatchAltAlone(const QEvent* Event);
    // Rings what the keyboard's focus rests on, and tells a screen reader when it moves.
    void RenderFocus();
    QWidget* WidgetOf(Clickable Target) const;
    // The trick review and the hint, for the player who asks for them.
    void BuildReviewAndHint(QMenu* View);
    void ToggleReview();
    bool ReviewKey(const QKeyEvent& Event);
    void RenderReviewAndHint();
    QRect SeenPart(Clickable Target, const QRect& Whole) const;

    QString AssetFolder;
    // Declared before the game: the game's flow cancels its timers on the clock as it goes.
    std::unique_ptr<TableClock> Time;
    DesktopSpeaker Sounds;
    Pictures Pics;
    std::unique_ptr<Game> TheGame;

    TableScale Scale;
    // The window's client area, the table in its middle, any spare room around it dark blue.
    QWidget* Room = nullptr;
    QWidget* Client = nullptr;
    FeltWidget* Shape1 = nullptr;
    std::array<PictureWidget*, CardCount + 1> Cds{};
    std::array<uint32_t, CardCount + 1> StackedZOrder{};
    std::array<std::array<PictureWidget*, 14>, SeatCount> Piles{};
    std::vector<std::pair<LabelBox*, LabelWidget*>> Labels;
    std::vector<std::pair<LabelBox*, ButtonWidget*>> Buttons;
    std::vector<std::pair<FrameBox*, FrameWidget*>> Frames;
    QLabel* StatusPanel1 = nullptr;
    QLabel* StatusPanel2 = nullptr;
    StatusAnnouncer* Announcer = nullptr;
    QMenu* MnuGame = nullptr;
    QMenu* MnuHelp = nullptr;
    QMenu* MnuOptions = nullptr;
    MFormDeluxe* MsgBox = nullptr;
    FrmHelp* Help = nullptr;
    FrmSplash* Splash = nullptr;
    QInputDialog* NameBox = nullptr;
    FocusFrame* Mark = nullptr;
    ReviewWidget* Reviewer = nullptr;
    QAction* MnuLastTrick = nullptr;
    QAction* MnuHint = nullptr;
    uint32_t HintsTold = 0;
    FocusMark Announced;
    bool AltAlone = false;
};

} // namespace tarnwick
