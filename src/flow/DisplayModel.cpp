// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/DisplayModel.h"

#include "flow/CardPlaces.h"

#include <utility>

namespace tarnwick {

namespace {

LabelBox CaptionLabel(std::string Name, FrameId In, Rect Place, std::string Text) {
    LabelBox L;
    L.Name = std::move(Name);
    L.In = In;
    L.Place = Place;
    L.Caption = std::move(Text);
    return L;
}

LabelBox ValueBox(std::string Name, FrameId In, Rect Place, std::string ToolTip) {
    LabelBox L;
    L.Name = std::move(Name);
    L.In = In;
    L.Place = Place;
    L.ToolTip = std::move(ToolTip);
    L.Back = Colours::PaleGreen;
    L.Fore = Colours::Black;
    L.Centred = true;
    return L;
}

LabelBox SeatName(std::string Name, Rect Place, std::string Text) {
    LabelBox L = CaptionLabel(std::move(Name), FrameId::None, Place, std::move(Text));
    L.GrowsToFit = true;
    return L;
}

LabelBox Button(std::string Name, FrameId In, Rect Place, std::string Caption, std::string ToolTip,
                Element Clicked) {
    LabelBox L = CaptionLabel(std::move(Name), In, Place, std::move(Caption));
    L.Kind = LabelKind::Button;
    L.ToolTip = std::move(ToolTip);
    L.Click = Clickable{Clicked};
    return L;
}

std::string Indexed(const char* Name, size_t Index) {
    return std::string(Name) + std::to_string(Index);
}

void LayOutScorePanel(DisplayModel& M) {
    M.FramScores = {
        "FramScores", {10680, 240, 1815, 7815}, "Scores", Colours::Navy, Colours::PaleCyan, true, "", 0, 0};
    constexpr FrameId In = FrameId::Scores;

    M.LblPlayer = CaptionLabel("LblPlayer", In, {720, 156, 1000, 255}, "Player");
    const std::array<const char*, 3> Headers = {"Rodrick", "Desmond", "Beatrix"};
    const std::array<double, 3> HeaderTops = {1800, 3450, 5100};
    for (size_t I = 0; I < Headers.size(); ++I)
        M.Captions.push_back(
            CaptionLabel(Indexed("LblSeatHeader", I + 1), In, {600, HeaderTops[I], 1000, 255}, Headers[I]));

    const std::array<double, SeatCount> CaptionTops = {450, 2100, 3750, 5400};
    const std::array<double, SeatCount> ValueTops = {720, 2400, 4080, 5760};
    const std::array<double, SeatCount> BagTops = {1200, 2880, 4560, 6240};
    const std::array<const char*, SeatCount> BidTips = {"The bid you made", "Rodrick's Bid",
                                                        "Number tricks bid Desmond", "Bids made Beatrix"};
    const std::array<const char*, SeatCount> MadeTips = {"The Number tricks you have made",
                                                         "Tricks Rodrick has made", "Tricks made Desmond",
                                                         "Tricks made Beatrix"};
    const std::array<const char*, SeatCount> ScoreTips = {"Your score", "Rodrick's score", "Desmond's score",
                                                          "Beatrix's Score"};
    const std::array<const char*, SeatCount> BagTips = {
        "Number of Overtricks", "Number of Overtricks Rodrick", "Number overtricks Desmond",
        "Number overtricks Beatrix"};
    for (size_t S = 0; S < SeatCount; ++S) {
        M.Captions.push_back(
            CaptionLabel(Indexed("LblBidCaption", S), In, {150, CaptionTops[S], 420, 255}, "Bid"));
        M.Captions.push_back(
            CaptionLabel(Indexed("LblMadeCaption", S), In, {600, CaptionTops[S], 560, 255}, "Made"));
        M.Captions.push_back(
            CaptionLabel(Indexed("LblScoreCaption", S), In, {1200, CaptionTops[S], 560, 255}, "Score"));
        M.Captions.push_back(
            CaptionLabel(Indexed("LblBagsCaption", S), In, {240, BagTops[S], 940, 255}, "Total Bags"));
        M.LblBid[S] = ValueBox(Indexed("LblBid", S), In, {120, ValueTops[S], 375, 375}, BidTips[S]);
        M.Lblmade[S] = ValueBox(Indexed("Lblmade", S), In, {600, ValueTops[S], 375, 375}, MadeTips[S]);
        M.LblScore[S] = ValueBox(Indexed("LblScore", S), In, {1080, ValueTops[S], 615, 375}, ScoreTips[S]);
        M.LblBags[S] = ValueBox(Indexed("LblBags", S), In, {1200, BagTops[S], 375, 375}, BagTips[S]);
    }
    M.Captions.push_back(CaptionLabel("LblRoundsCaption", In, {120, 6840, 1060, 255}, "Max. Hands"));
    M.LblRounds = ValueBox("LblRounds", In, {1200, 6840, 495, 375}, "Number Hands to play");
    M.Captions.push_back(CaptionLabel("LblToWinCaption", In, {120, 7320, 1060, 255}, "Score to win"));
    M.LblToWin = ValueBox("LblToWin", In, {1200, 7320, 495, 375}, "Score needed to win");
}

void LayOutBidPanel(DisplayModel& M) {
    M.FramBids = {"FramBids",
                  {3840, 2760, 2985, 1785},
                  "How many tricks can you make?",
                  Colours::Navy,
                  Colours::PaleCyan,
                  false,
                  "",
                  0,
                  0};
    const std::array<double, 6> Lefts = {120, 600, 1080, 1560, 2040, 2520};
    for (size_t I = 0; I < M.LblBids.size(); ++I) {
        Rect Place{0, 0, 375, 375};
        if (I < 12) {
            Place.Left = Lefts[I % 6];
            Place.Top = I < 6 ? 360 : 840;
        } else {
            Place.Left = I == 12 ? 1080 : 1560;
            Place.Top = 1320;
        }
        const std::string Tip = "Click to make " + std::to_string(I) + (I == 1 ? " trick" : " tricks");
        M.LblBids[I] = ValueBox(Indexed("LblBids", I), FrameId::Bids, Place, Tip);
        M.LblBids[I].Caption = I == 0 ? "Nil" : std::to_string(I);
        M.LblBids[I].Click = Clickable{Element::BidNumber, static_cast<int>(I)};
    }
}

void LayOutMoneyFrame(DisplayModel& M) {
    M.FramMoney = {"FramMoney",
                   {4320, 480, 2445, 5652},
                   "Money - Won/Owed",
                   Colours::StatsNavy,
                   Colours::PaleCyan,
                   false,
                   "",
                   2640,
                   0};
    constexpr FrameId In = FrameId::Money;
    auto OnStats = [](LabelBox L) {
        L.Back = Colours::StatsNavy;
        return L;
    };
    M.LblPMoney = OnStats(CaptionLabel("LblPMoney", In, {240, 360, 855, 375}, "Player "));
    M.Captions.push_back(OnStats(CaptionLabel("Label6", In, {240, 960, 855, 375}, "Rodrick ")));
    M.Captions.push_back(OnStats(CaptionLabel("Label7", In, {240, 1560, 885, 315}, "Desmond ")));
    M.Captions.push_back(OnStats(CaptionLabel("Label9", In, {240, 2160, 855, 375}, "Beatrix ")));
    M.Captions.push_back(OnStats(CaptionLabel("Lblstats", In, {240, 2760, 1935, 255}, "Statistics")));
    const std::array<const char*, SeatCount> MoneyTips = {"Your Money situation", "Rodrick's money",
                                                          "Desmond' money", "Beatrix's money"};
    const std::array<const char*, SeatCount> WonCaptions = {"Won Player", "Won Rodrick", "Won Desmond",
                                                            "Won Beatrix"};
    const std::array<const char*, SeatCount> WonNames = {"LblWon", "LblPercent", "LblWonDesmond",
                                                         "LblWonBeatrix"};
    const std::array<const char*, SeatCount> WinTips = {"Number of games you have won", "Percentage wins",
                                                        "Percentage wins", "Percentage wins"};
    for (size_t S = 0; S < SeatCount; ++S) {
        const double Top = 360 + 600.0 * static_cast<double>(S);
        M.LblMoney[S] = ValueBox(Indexed("LblMoney", S), In, {1440, Top, 855, 375}, MoneyTips[S]);
        const double WinTop = 3120 + 480.0 * static_cast<double>(S);
        M.Captions.push_back(
            OnStats(CaptionLabel(WonNames[S], In, {120, WinTop, 1095, 255}, WonCaptions[S])));
        M.Lblwins[S] = ValueBox(Indexed("Lblwins", S), In, {1440, WinTop, 855, 375}, WinTips[S]);
    }
    M.Command1 = Button("Command1", In, {600, 5160, 1332, 372}, "C&lose", "Click to close",
                        Element::CloseStatistics);
}

void LayOutResultsFrame(DisplayModel& M) {
    M.FramResults = {"FramResults",
                     {4440, 480, 2655, 6975},
                     "This hand's scores",
                     Colours::Navy,
                     Colours::PaleCyan,
                     false,
                     "The Hand's scores",
                     0,
                     0};
    const std::array<const char*, SeatCount> Names = {"TxtPlayer", "TxtRodrick", "TxtDesmond", "TxtBeatrix"};
    for (size_t S = 0; S < SeatCount; ++S) {
        LabelBox& Text = M.TxtResults[S];
        Text = ValueBox(Names[S], FrameId::Results, {120, 240 + 1560.0 * static_cast<double>(S), 2415, 1455},
                        "");
        Text.Kind = LabelKind::TextBox;
        Text.Centred = false;
    }
    M.CmdClose = Button("CmdClose", FrameId::Results, {600, 6480, 1335, 375}, "&Continue",
                        "Click here when finished reading", Element::Continue);
}

void LayOutTrickPiles(DisplayModel& M) {
    for (size_t K = 1; K <= 13; ++K) {
        const double Step = 2640 + 480.0 * static_cast<double>(K - 1);
        M.ImgBackP[K].Place = {Step, 9000, 432, 432};
        M.ImgBackWest[K].Place = {0, Step, 432, 432};
        M.ImgBackNorth[K].Place = {Step, 0, 432, 432};
        M.ImgBackEast[K].Place = {10080, Step, 432, 432};
    }
}

} // namespace

DisplayModel::DisplayModel() {
    // Every card box starts as a copy of the first, hidden where the first was placed.
    for (CardBox& Box : Cds) {
        Box.Left = CardBoxesStart.Left;
        Box.Top = CardBoxesStart.Top;
    }
    LblName = SeatName("LblName", {3240, 8280, 648, 276}, "Player");
    LblWestName = SeatName("LblWestName", {1008, 2280, 696, 276}, "Rodrick");
    LblNorthName = SeatName("LblNorthName", {3600, 960, 792, 276}, "Desmond");
    LblBeatrix = SeatName("LblBeatrix", {8748, 2160, 816, 276}, "Beatrix");
    LayOutTrickPiles(*this);
    LayOutScorePanel(*this);
    LayOutBidPanel(*this);
    LayOutResultsFrame(*this);
    LayOutMoneyFrame(*this);
}

FrameBox& DisplayModel::Frame(FrameId Id) {
    return const_cast<FrameBox&>(std::as_const(*this).Frame(Id));
}

const FrameBox& DisplayModel::Frame(FrameId Id) const {
    switch (Id) {
    case FrameId::Bids:
        return FramBids;
    case FrameId::Results:
        return FramResults;
    case FrameId::Money:
        return FramMoney;
    case FrameId::Scores:
    case FrameId::None:
        break;
    }
    return FramScores;
}

TrickPile& DisplayModel::Pile(uint8_t Seat) {
    std::array<TrickPile*, SeatCount> Piles = {&ImgBackP, &ImgBackWest, &ImgBackNorth, &ImgBackEast};
    return *Piles.at(Seat);
}

LabelBox& DisplayModel::SeatLabel(uint8_t Seat) {
    std::array<LabelBox*, SeatCount> Labels = {&LblName, &LblWestName, &LblNorthName, &LblBeatrix};
    return *Labels.at(Seat);
}

std::vector<LabelBox*> DisplayModel::AllLabels() {
    std::vector<LabelBox*> All = {&LblName,   &LblWestName, &LblNorthName, &LblBeatrix,
                                  &LblPlayer, &LblRounds,   &LblToWin,     &LblPMoney};
    All.push_back(&CmdClose);
    All.push_back(&Command1);
    for (auto* Group : {&LblBid, &Lblmade, &LblScore, &LblBags, &LblMoney, &Lblwins, &TxtResults})
        for (LabelBox& L : *Group)
            All.push_back(&L);
    for (LabelBox& L : LblBids)
        All.push_back(&L);
    for (LabelBox& L : Captions)
        All.push_back(&L);
    return All;
}

std::vector<const LabelBox*> DisplayModel::AllLabels() const {
    const std::vector<LabelBox*> All = const_cast<DisplayModel*>(this)->AllLabels();
    return {All.begin(), All.end()};
}

} // namespace tarnwick
