// SPDX-License-Identifier: GPL-3.0-or-later
// Where the table puts every element and the fixed texts it shows, in twips, one row per element
// and every number written out by hand; and where the message box puts its parts.

#include "TestTable.h"

#include "flow/MessageBox.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

// A Width of 0 leaves the size to the text; a null Caption is a value the game fills in.
struct Element {
    std::string Name;
    FrameId In;
    Rect Place;
    const char* Caption;
    const char* ToolTip;
};

constexpr FrameId InTable = FrameId::None, InScores = FrameId::Scores, InBids = FrameId::Bids,
                  InResults = FrameId::Results, InMoney = FrameId::Money;

// The score panel, one block a seat from the top: the seat's name, the column captions, the
// value boxes and the bag total.
std::vector<Element> ScorePanel() {
    const struct {
        const char* Header;
        double HeaderLeft, HeaderTop, CaptionsTop, ValuesTop, BagsTop;
        const char *BidTip, *MadeTip, *ScoreTip, *BagsTip;
    } Blocks[] = {
        {"LblPlayer", 720, 156, 450, 720, 1200, "The bid you made", "The Number tricks you have made",
         "Your score", "Number of Overtricks"},
        {"LblSeatHeader1", 600, 1800, 2100, 2400, 2880, "Rodrick's Bid", "Tricks Rodrick has made",
         "Rodrick's score", "Number of Overtricks Rodrick"},
        {"LblSeatHeader2", 600, 3450, 3750, 4080, 4560, "Number tricks bid Desmond", "Tricks made Desmond",
         "Desmond's score", "Number overtricks Desmond"},
        {"LblSeatHeader3", 600, 5100, 5400, 5760, 6240, "Bids made Beatrix", "Tricks made Beatrix",
         "Beatrix's Score", "Number overtricks Beatrix"},
    };
    const char* Names[] = {"Ann", "Rodrick", "Desmond", "Beatrix"};
    std::vector<Element> Panel;
    for (size_t S = 0; S < SeatCount; ++S) {
        const auto& B = Blocks[S];
        const std::string N = std::to_string(S);
        Panel.push_back({B.Header, InScores, {B.HeaderLeft, B.HeaderTop, 0, 0}, Names[S], ""});
        Panel.push_back({"LblBidCaption" + N, InScores, {150, B.CaptionsTop, 0, 0}, "Bid", ""});
        Panel.push_back({"LblMadeCaption" + N, InScores, {600, B.CaptionsTop, 0, 0}, "Made", ""});
        Panel.push_back({"LblScoreCaption" + N, InScores, {1200, B.CaptionsTop, 0, 0}, "Score", ""});
        Panel.push_back({"LblBid" + N, InScores, {120, B.ValuesTop, 375, 375}, nullptr, B.BidTip});
        Panel.push_back({"Lblmade" + N, InScores, {600, B.ValuesTop, 375, 375}, nullptr, B.MadeTip});
        Panel.push_back({"LblScore" + N, InScores, {1080, B.ValuesTop, 615, 375}, nullptr, B.ScoreTip});
        Panel.push_back({"LblBagsCaption" + N, InScores, {240, B.BagsTop, 0, 0}, "Total Bags", ""});
        Panel.push_back({"LblBags" + N, InScores, {1200, B.BagsTop, 375, 375}, nullptr, B.BagsTip});
    }
    return Panel;
}

std::vector<Element> TableLayout() {
    std::vector<Element> All = {
        {"LblName", InTable, {3240, 8280, 648, 276}, "Ann", ""},
        {"LblWestName", InTable, {1008, 2280, 696, 276}, "Rodrick", ""},
        {"LblNorthName", InTable, {3600, 960, 792, 276}, "Desmond", ""},
        {"LblBeatrix", InTable, {8748, 2160, 816, 276}, "Beatrix", ""},

        {"LblRoundsCaption", InScores, {120, 6840, 0, 0}, "Max. Hands", ""},
        {"LblRounds", InScores, {1200, 6840, 495, 375}, nullptr, "Number Hands to play"},
        {"LblToWinCaption", InScores, {120, 7320, 0, 0}, "Score to win", ""},
        {"LblToWin", InScores, {1200, 7320, 495, 375}, nullptr, "Score needed to win"},

        {"LblBids0", InBids, {120, 360, 375, 375}, "Nil", "Click to make 0 tricks"},
        {"LblBids1", InBids, {600, 360, 375, 375}, "1", "Click to make 1 trick"},
        {"LblBids2", InBids, {1080, 360, 375, 375}, "2", "Click to make 2 tricks"},
        {"LblBids3", InBids, {1560, 360, 375, 375}, "3", "Click to make 3 tricks"},
        {"LblBids4", InBids, {2040, 360, 375, 375}, "4", "Click to make 4 tricks"},
        {"LblBids5", InBids, {2520, 360, 375, 375}, "5", "Click to make 5 tricks"},
        {"LblBids6", InBids, {120, 840, 375, 375}, "6", "Click to make 6 tricks"},
        {"LblBids7", InBids, {600, 840, 375, 375}, "7", "Click to make 7 tricks"},
        {"LblBids8", InBids, {1080, 840, 375, 375}, "8", "Click to make 8 tricks"},
        {"LblBids9", InBids, {1560, 840, 375, 375}, "9", "Click to make 9 tricks"},
        {"LblBids10", InBids, {2040, 840, 375, 375}, "10", "Click to make 10 tricks"},
        {"LblBids11", InBids, {2520, 840, 375, 375}, "11", "Click to make 11 tricks"},
        {"LblBids12", InBids, {1080, 1320, 375, 375}, "12", "Click to make 12 tricks"},
        {"LblBids13", InBids, {1560, 1320, 375, 375}, "13", "Click to make 13 tricks"},

        {"TxtPlayer", InResults, {120, 240, 2415, 1455}, nullptr, ""},
        {"TxtRodrick", InResults, {120, 1800, 2415, 1455}, nullptr, ""},
        {"TxtDesmond", InResults, {120, 3360, 2415, 1455}, nullptr, ""},
        {"TxtBeatrix", InResults, {120, 4920, 2415, 1455}, nullptr, ""},
        {"CmdClose", InResults, {600, 6480, 1335, 375}, "&Continue", "Click here when finished reading"},

        {"LblPMoney", InMoney, {240, 360, 855, 375}, "Ann", ""},
        {"Label6", InMoney, {240, 960, 855, 375}, "Rodrick ", ""},
        {"Label7", InMoney, {240, 1560, 885, 315}, "Desmond ", ""},
        {"Label9", InMoney, {240, 2160, 855, 375}, "Beatrix ", ""},
        {"LblMoney0", InMoney, {1440, 360, 855, 375}, nullptr, "Your Money situation"},
        {"LblMoney1", InMoney, {1440, 960, 855, 375}, nullptr, "Rodrick's money"},
        {"LblMoney2", InMoney, {1440, 1560, 855, 375}, nullptr, "Desmond' money"},
        {"LblMoney3", InMoney, {1440, 2160, 855, 375}, nullptr, "Beatrix's money"},
        {"Lblstats", InMoney, {240, 2760, 1935, 255}, "Statistics", ""},
        {"LblWon", InMoney, {120, 3120, 1095, 255}, "Won Player", ""},
        {"LblPercent", InMoney, {120, 3600, 1095, 255}, "Won Rodrick", ""},
        {"LblWonDesmond", InMoney, {120, 4080, 1095, 255}, "Won Desmond", ""},
        {"LblWonBeatrix", InMoney, {120, 4560, 1095, 255}, "Won Beatrix", ""},
        {"Lblwins0", InMoney, {1440, 3120, 855, 375}, nullptr, "Number of games you have won"},
        {"Lblwins1", InMoney, {1440, 3600, 855, 375}, nullptr, "Percentage wins"},
        {"Lblwins2", InMoney, {1440, 4080, 855, 375}, nullptr, "Percentage wins"},
        {"Lblwins3", InMoney, {1440, 4560, 855, 375}, nullptr, "Percentage wins"},
        {"Command1", InMoney, {600, 5160, 1332, 372}, "C&lose", "Click to close"},
    };
    for (Element& E : ScorePanel())
        All.push_back(std::move(E));
    return All;
}

// The layout as it stands when the bid panel first asks the human for a bid.
TEST(Layout, EveryElementInItsPlaceWithItsTexts) {
    Table T(BeatrixDealsFirst);
    T.Folder.Write("Name.dat", "\"Ann\",0,0,0,0\r\n");
    T.NewGame();
    ASSERT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Bid));
    DisplayModel& V = T.G.View;

    std::map<std::string, const LabelBox*> Shown;
    for (const LabelBox* L : V.AllLabels())
        Shown[L->Name] = L;
    std::set<std::string> Listed, Present;
    for (const auto& Entry : Shown)
        Present.insert(Entry.first);
    for (const Element& E : TableLayout()) {
        SCOPED_TRACE(E.Name);
        Listed.insert(E.Name);
        const auto Found = Shown.find(E.Name);
        ASSERT_NE(Found, Shown.end());
        const LabelBox& L = *Found->second;
        EXPECT_EQ(L.In, E.In);
        EXPECT_EQ(L.Place.Left, E.Place.Left);
        EXPECT_EQ(L.Place.Top, E.Place.Top);
        if (E.Place.Width != 0) {
            EXPECT_EQ(L.Place.Width, E.Place.Width);
            EXPECT_EQ(L.Place.Height, E.Place.Height);
        }
        if (E.Caption) {
            EXPECT_EQ(L.Caption, E.Caption);
        }
        EXPECT_EQ(L.ToolTip, E.ToolTip);
    }
    EXPECT_EQ(Present, Listed);

    const struct {
        FrameId Id;
        Rect Place;
        const char *Caption, *ToolTip;
        Rgb Back;
    } Frames[] = {
        {InScores, {10680, 240, 1815, 7815}, "Scores", "", {0, 0, 64}},
        {InBids, {3840, 2760, 2985, 1785}, "How many tricks can you make?", "", {0, 0, 64}},
        {InResults, {4440, 480, 2655, 6975}, "This hand's scores", "The Hand's scores", {0, 0, 64}},
        {InMoney, {4320, 480, 2445, 5652}, "Money - Won/Owed", "", {0, 0, 128}},
    };
    for (const auto& F : Frames) {
        const FrameBox& Shape = V.Frame(F.Id);
        SCOPED_TRACE(Shape.Name);
        EXPECT_EQ(Shape.Place, F.Place);
        EXPECT_EQ(Shape.Caption, F.Caption);
        EXPECT_EQ(Shape.ToolTip, F.ToolTip);
        EXPECT_EQ(Shape.Back, F.Back);
        EXPECT_EQ(Shape.Fore, (Rgb{192, 255, 255}));
    }

    // Element n of a seat's row of tricks won, from the first.
    const struct {
        double Left, Top, StepLeft, StepTop;
    } Piles[] = {{2640, 9000, 480, 0}, {0, 2640, 0, 480}, {2640, 0, 480, 0}, {10080, 2640, 0, 480}};
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
        for (size_t N = 1; N <= 13; ++N) {
            const double Step = static_cast<double>(N - 1);
            const Rect Place{Piles[Seat].Left + Piles[Seat].StepLeft * Step,
                             Piles[Seat].Top + Piles[Seat].StepTop * Step, 432, 432};
            EXPECT_EQ(V.Pile(Seat)[N].Place, Place) << "seat " << int(Seat) << " element " << N;
            EXPECT_FALSE(V.Pile(Seat)[N].Visible) << "seat " << int(Seat) << " element " << N;
        }

    EXPECT_EQ(V.Shape1, (Rect{2880, 2640, 5532, 3852}));
    EXPECT_EQ(ClientWidth, 12576);
    EXPECT_EQ(ClientHeight, 10656);
    EXPECT_EQ(CardWidth, 852);
    EXPECT_EQ(CardHeight, 1152);
    // Before the first riffle every card box is a hidden copy of the first.
    const DisplayModel Unopened;
    for (size_t K = 1; K <= CardCount; ++K) {
        EXPECT_EQ(Unopened.Cds[K].Left, 4920) << K;
        EXPECT_EQ(Unopened.Cds[K].Top, 3960) << K;
        EXPECT_FALSE(Unopened.Cds[K].Visible) << K;
    }
}

// Width 4500, and the message's height plus 1140; the title strip along the top, the picture
// halfway down on the right, the buttons 90 above the bottom edge, centred as a row.
TEST(Layout, MessageBoxForOneTwoAndThreeButtons) {
    const struct {
        std::array<std::string, 3> Captions;
        double MessageHeight, Height, ButtonsTop, PictureTop;
        std::array<double, 3> Lefts; // of the buttons shown
    } Boxes[] = {
        {{"O.K", "", ""}, 240, 1380, 990, 435, {1612.5}},
        {{"Yes Please", "Ooops - No", ""}, 240, 1380, 990, 435, {952, 2273}},
        {{"Yes Please", "Ooops - No", ""}, 480, 1620, 1230, 555, {952, 2273}},
        {{"1", "2", "3"}, 240, 1380, 990, 435, {292.5, 1612.5, 2932.5}},
    };
    for (const auto& B : Boxes) {
        SCOPED_TRACE(B.Captions[1] + "/" + B.Captions[2] + " " + std::to_string(B.MessageHeight));
        MessageBoxModel Box;
        Box.Captions = B.Captions;
        const MsgBoxGeometry L = LayOutMsgBox(Box, B.MessageHeight);
        EXPECT_EQ(L.Width, 4500);
        EXPECT_EQ(L.Height, B.Height);
        EXPECT_EQ(L.TitleStrip, (Rect{45, 60, 4410, 300}));
        EXPECT_EQ(L.Message, (Rect{90, 450, 3375, B.MessageHeight}));
        EXPECT_EQ(L.Picture, (Rect{3870, B.PictureTop, 510, 510}));
        for (size_t I = 0; I < 3; ++I) {
            const bool Shown = !B.Captions[I].empty();
            EXPECT_EQ(L.ButtonShown[I], Shown) << I;
            if (Shown) {
                EXPECT_EQ(L.Buttons[I], (Rect{B.Lefts[I], B.ButtonsTop, 1275, 300})) << I;
            }
        }
    }
}

} // namespace
