#include "TestTable.h"

#include "shell/Clicks.h"
#include "table/Scores.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

// Every label's text by the label's name.
std::map<std::string, std::string> Captions(DisplayModel& V) {
    std::map<std::string, std::string> All;
    for (const LabelBox* L : V.AllLabels())
        All[L->Name] = L->Caption;
    return All;
}

TEST(StartUp, ScorePanelAndStatisticsShowTheRecords) {
    Table T;
    T.Folder.Write("Money.dat", "-350,125,0,40000\r\n");
    T.Folder.Write("Name.dat", "\"Ann\",3,0,1,12\r\n");
    T.StartUp();
    const GameState& S = T.G.State;
    DisplayModel& V = T.G.View;
    EXPECT_EQ(S.TargetScore, 300);
    EXPECT_EQ(Row(V.LblMoney), "$ -3.5|$ 1.25|$ 0|$ 400|");
    EXPECT_EQ(Row(V.Lblwins), "3|0|1|12|");
    EXPECT_EQ(Row(V.LblScore) + Row(V.LblBags), "0|0|0|0|0|0|0|0|");
    EXPECT_EQ(Row(V.LblBid) + Row(V.Lblmade), "||||||||");
    EXPECT_EQ(SeatLabels(V), (std::vector<std::string>{"Ann", "Rodrick", "Desmond", "Beatrix"}));
    EXPECT_EQ(V.LblPlayer.Caption + V.LblPMoney.Caption, "AnnAnn");
    EXPECT_EQ(V.LblToWin.Caption + "|" + V.LblRounds.Caption, "300|0");
    for (size_t Seat = 0; Seat < SeatCount; ++Seat)
        EXPECT_EQ(V.LblMoney[Seat].Fore, Seat == 0 ? Colours::Red : Colours::Black) << Seat;
    EXPECT_EQ(V.StatusPanel1, "Hand Number");
    EXPECT_TRUE(V.FramScores.Visible);
    EXPECT_FALSE(V.FramBids.Visible || V.FramResults.Visible || V.FramMoney.Visible);
    EXPECT_TRUE(V.MnuGameEnabled && V.MnuOptionsEnabled && V.MnuHelpEnabled);
}

// The riffle sounds at once; half a second later the pack lies stacked face down in the middle,
// card 52 on top.
TEST(StartUp, PackAppearsHalfASecondAfterTheRiffle) {
    Table T;
    const DisplayModel& V = T.G.View;
    T.G.Steps.Run(Form_Load(T.G));
    EXPECT_EQ(T.Speaker.Sounds, (std::vector<Heard>{{RiffleWave, 0}}));
    EXPECT_TRUE(V.Shape1Visible);
    T.Clock.Advance(499);
    for (int K = 1; K <= CardCount; ++K)
        EXPECT_FALSE(V.Cds[static_cast<size_t>(K)].Visible) << K;
    EXPECT_EQ(V.StatusPanel2, "General comments and instructions");

    EXPECT_EQ(T.Clock.RunUntilIdle(), 1u);
    EXPECT_FALSE(T.G.Steps.Running());
    EXPECT_EQ(V.StatusPanel2, "Press F2 for new game or go to Game menu!");
    for (int K = 1; K <= CardCount; ++K) {
        SCOPED_TRACE(K);
        const CardBox& Box = V.Cds[static_cast<size_t>(K)];
        EXPECT_TRUE(Box.Visible);
        EXPECT_EQ(Box.Picture, BackPicture);
        EXPECT_EQ(Box.Left, 5040 + 2 * (K - 1));
        EXPECT_EQ(Box.Top, 3720 - 2 * (K - 1));
        EXPECT_EQ(T.G.State.Deck[K].Holder, InNoHand);
        if (K > 1) {
            EXPECT_GT(Box.ZOrder, V.Cds[static_cast<size_t>(K - 1)].ZOrder);
        }
    }
    EXPECT_EQ(T.Speaker.Sounds.size(), 1u);
}

// In the middle of a bidding the score panel is refreshed from the game: the new target, the hand
// number as it stands now, and the human's name in place of the bid text. Nothing else changes,
// and the bidding goes on as if nothing had happened.
TEST(StartUp, TargetCommandsChangeTheTargetAndLeaveTheHandAlone) {
    Table T(2); // the human deals the first hand, so bids last
    T.NewGame();
    ASSERT_TRUE(T.G.Steps.AwaitingHuman(HumanWait::Bid));
    const GameState Before = T.G.State;
    auto Expected = Captions(T.G.View);
    EXPECT_EQ(Expected["LblName"], "Player has bid 0");
    Expected["LblRounds"] = "1";
    Expected["LblName"] = "Player";
    for (const char* Box : {"LblScore", "LblBags"})
        for (int Seat = 0; Seat < SeatCount; ++Seat)
            Expected[Box + std::to_string(Seat)] = "0";
    const std::string Status = T.G.View.StatusPanel2;

    using Step = std::pair<Element, int16_t>;
    for (const auto& [Command, Target] :
         {Step{Element::Target100, 100}, Step{Element::Target300, 300}, Step{Element::Target200, 200}}) {
        Click(T.G, {Command});
        Expected["LblToWin"] = std::to_string(Target);
        EXPECT_EQ(Captions(T.G.View), Expected);
        EXPECT_EQ(T.G.State.TargetScore, Target);
    }
    EXPECT_EQ(T.G.View.StatusPanel2, Status);
    const GameState& S = T.G.State;
    EXPECT_EQ(S.Bidder, Before.Bidder);
    for (int Seat = 0; Seat < SeatCount; ++Seat)
        EXPECT_EQ(CardsOf(S, Seat), CardsOf(Before, Seat)) << Seat;
    Click(T.G, {Element::BidNumber, 4});
    T.Clock.Advance(800);
    EXPECT_TRUE(S.GameInProgress);
    EXPECT_EQ(T.G.View.LblName.Caption, "Player has bid 4");
}

} // namespace
