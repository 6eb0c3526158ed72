// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the table window shows, element by element, in twips from the top left of its client
// area (12576 x 10656). The game writes here and never reads it back; the window only draws it
// and hands clicks back to the game.

#include "rules/Card.h"
#include "rules/Seats.h"
#include "flow/Elements.h"
#include "flow/FocusMark.h"
#include "flow/ReviewModel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick {

inline constexpr int ClientWidth = 12576, ClientHeight = 10656;
inline constexpr int CardWidth = 852, CardHeight = 1152;

struct Rgb {
    uint8_t R = 0, G = 0, B = 0;
    bool operator==(const Rgb&) const = default;
};

namespace Colours {
inline constexpr Rgb Navy{0, 0, 64};
inline constexpr Rgb StatsNavy{0, 0, 128};
inline constexpr Rgb PaleCyan{192, 255, 255};
inline constexpr Rgb PaleGreen{192, 255, 192};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Felt{0, 128, 0};
inline constexpr Rgb Rim{128, 64, 0};
} // namespace Colours

struct Rect {
    double Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const Rect&) const = default;
};

// The frames that hold labels; a label inside one is placed relative to it and shown with it.
enum class FrameId : uint8_t { None, Scores, Bids, Results, Money };

struct FrameBox {
    std::string Name;
    Rect Place;
    std::string Caption;
    Rgb Back = Colours::Navy;
    Rgb Fore = Colours::PaleCyan;
    bool Visible = false;
    std::string ToolTip;
    // A line across the frame at this height, 0 for none.
    double RuleTop = 0;
    // Goes up each time the frame is brought in front of everything else.
    uint32_t Raised = 0;
};

// Labels show text; text boxes wrap it over several lines; buttons are clicked.
enum class LabelKind : uint8_t { Label, TextBox, Button };

struct LabelBox {
    std::string Name;
    LabelKind Kind = LabelKind::Label;
    FrameId In = FrameId::None;
    Rect Place;
    std::string Caption;
    std::string ToolTip;
    Rgb Back = Colours::Navy;
    Rgb Fore = Colours::PaleCyan;
    bool Visible = true;
    bool Centred = false;
    // Seat names grow to the right to show a whole "has bid" text.
    bool GrowsToFit = false;
    // What a click on it is, for the few labels that take one.
    std::optional<Clickable> Click;
};

struct CardBox {
    double Left = 0, Top = 0;
    int Picture = BackPicture;
    bool Visible = false;
    // Higher lies on top; bringing a card to the front gives it the next number.
    uint32_t ZOrder = 0;
    // In front of every other element, the panels and frames too, not only of the other cards.
    bool InFrontOfAll = false;
};

// The game's own message box: a question or an announcement with one to three buttons. While it
// is shown nothing else at the table takes input and the game stands still.
struct MessageBoxModel {
    bool Visible = false;
    std::string Title;  // as the title strip shows it
    std::string Prompt; // the message
    std::array<std::string, 3> Captions;
    int PictureNo = 1; // 1..9
};

// The box that asks for the human's name.
struct NameInputModel {
    bool Visible = false;
    std::string Prompt;
    std::string Title;
    std::string Proposed;
};

struct ImageBox {
    Rect Place;
    bool Visible = false;
};

using TrickPile = std::array<ImageBox, 14>; // elements 1..13

struct DisplayModel {
    DisplayModel();

    std::string WindowCaption = "Tarnwick";

    Rect Shape1{2880, 2640, 5532, 3852};
    bool Shape1Visible = false;

    std::array<CardBox, CardCount + 1> Cds{}; // elements 1..52
    uint32_t TopZOrder = 0;
    bool CardBoxesCreated = false;

    LabelBox LblName, LblWestName, LblNorthName, LblBeatrix;
    TrickPile ImgBackP{}, ImgBackWest{}, ImgBackNorth{}, ImgBackEast{};

    FrameBox FramScores, FramBids, FramResults, FramMoney;

    LabelBox LblPlayer;
    std::array<LabelBox, SeatCount> LblBid, Lblmade, LblScore, LblBags;
    LabelBox LblRounds, LblToWin;

    std::array<LabelBox, 14> LblBids;

    std::array<LabelBox, SeatCount> TxtResults; // TxtPlayer, TxtRodrick, TxtDesmond, TxtBeatrix
    LabelBox CmdClose;

    LabelBox LblPMoney;
    std::array<LabelBox, SeatCount> LblMoney, Lblwins;
    LabelBox Command1;

    // Fixed texts: the score panel's headers and column captions, the statistics captions.
    std::vector<LabelBox> Captions;

    std::string StatusPanel1 = "Hand Number";
    std::string StatusPanel2 = "General comments and instructions";

    bool MnuGameEnabled = true, MnuOptionsEnabled = true, MnuHelpEnabled = true;

    MessageBoxModel MessageBox;
    NameInputModel NameInput;
    // Where the keyboard's mark is drawn; hidden while the mouse plays.
    FocusMark Focus;
    // The hand's finished tricks looked back on, and the hint, for the player who asks.
    ReviewModel Review;
    HintModel Hint;
    // The player has chosen to leave: every window closes and the program ends.
    bool Quit = false;

    // In front of the other cards; the panels and frames stay in front of it.
    void BringToFront(int CardNo) { Raise(CardNo, false); }
    // In front of everything on the table.
    void BringToFrontOfAll(int CardNo) { Raise(CardNo, true); }

    FrameBox& Frame(FrameId Id);
    const FrameBox& Frame(FrameId Id) const;
    TrickPile& Pile(uint8_t Seat);
    LabelBox& SeatLabel(uint8_t Seat);

    // Every label, for the window to build and refresh them alike.
    std::vector<LabelBox*> AllLabels();
    std::vector<const LabelBox*> AllLabels() const;

private:
    void Raise(int CardNo, bool OfAll) {
        CardBox& Box = Cds.at(static_cast<size_t>(CardNo));
        Box.ZOrder = ++TopZOrder;
        Box.InFrontOfAll = OfAll;
    }
};

inline constexpr const char* StatusPanel1ToolTip = "This show which hand number you are on";
inline constexpr const char* StatusPanel2ToolTip = "This panel will give general comments and instructions";

} // namespace tarnwick
