#include "TestTable.h"

#include "bidding/Bidding.h"
#include "shell/Commands.h"
#include "table/Scores.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using test::Table;

// Every label's text by the label's name.
std::map<std::string, std::string> Captions(DisplayModel& V) {
    std::map<std::string, std::string> All;
    for (const LabelBox* L : V.AllLabels())
        All[L->Name] = L->Caption;
    return All;
}

TEST(StartUp, ScorePanelShowsAFreshTable) {
    Table T;
    T.StartUp();
    const GameState& S = T.G.State;
    const DisplayModel& V = T.G.View;
    EXPECT_EQ(S.TargetScore, 300);
    EXPECT_EQ(S.BasePause, 200);
    EXPECT_EQ(S.PauseMs, 200);
    EXPECT_FALSE(S.GameInProgress);
    EXPECT_EQ(S.PlayerName, "Player");
    EXPECT_EQ(V.LblToWin.Caption, "300");
    EXPECT_EQ(V.LblRounds.Caption, "0");
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        SCOPED_TRACE(Seat);
        EXPECT_EQ(V.LblScore[Seat].Caption, "0");
        EXPECT_EQ(V.LblBags[Seat].Caption, "0");
        EXPECT_EQ(V.LblBid[Seat].Caption, "");
        EXPECT_EQ(V.Lblmade[Seat].Caption, "");
        EXPECT_EQ(V.LblMoney[Seat].Caption, "$ 0");
        EXPECT_EQ(V.LblMoney[Seat].Fore, Colours::Black);
        EXPECT_EQ(V.Lblwins[Seat].Caption, "0");
    }
    EXPECT_EQ(V.LblName.Caption, "Player");
    EXPECT_EQ(V.LblPlayer.Caption, "Player");
    EXPECT_EQ(V.LblPMoney.Caption, "Player");
    EXPECT_EQ(V.LblWestName.Caption, "Rodrick");
    EXPECT_EQ(V.LblNorthName.Caption, "Desmond");
    EXPECT_EQ(V.LblBeatrix.Caption, "Beatrix");
    EXPECT_EQ(V.StatusPanel1, "Hand Number");
    EXPECT_EQ(V.StatusPanel2, "Press F2 for new game or go to Game menu!");
    EXPECT_TRUE(V.Shape1Visible);
    EXPECT_TRUE(V.FramScores.Visible);
    EXPECT_FALSE(V.FramBids.Visible);
    EXPECT_FALSE(V.FramResults.Visible);
    EXPECT_FALSE(V.FramMoney.Visible);
    EXPECT_TRUE(V.MnuGameEnabled && V.MnuOptionsEnabled && V.MnuHelpEnabled);
}

TEST(StartUp, RecordsFilesFillTheNameMoneyAndWins) {
    Table T;
    T.Folder.Write("Money.dat", "-350,125,0,40000\r\n");
    T.Folder.Write("Name.dat", "\"Ann\",3,0,1,12\r\n");
    T.StartUp();
    const DisplayModel& V = T.G.View;
    EXPECT_EQ(T.G.State.PlayerName, "Ann");
    EXPECT_EQ(V.LblName.Caption, "Ann");
    EXPECT_EQ(V.LblPlayer.Caption, "Ann");
    EXPECT_EQ(V.LblPMoney.Caption, "Ann");

    const struct {
        const char* Money;
        Rgb Colour;
        const char* Wins;
    } Shown[SeatCount] = {
        {"$ -3.5", Colours::Red, "3"},
        {"$ 1.25", Colours::Black, "0"},
        {"$ 0", Colours::Black, "1"},
        {"$ 400", Colours::Black, "12"},
    };
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        SCOPED_TRACE(Seat);
        EXPECT_EQ(V.LblMoney[Seat].Caption, Shown[Seat].Money);
        EXPECT_EQ(V.LblMoney[Seat].Fore, Shown[Seat].Colour);
        EXPECT_EQ(V.Lblwins[Seat].Caption, Shown[Seat].Wins);
    }
    EXPECT_EQ(T.G.State.FunMoney, (BySeat<int32_t>{-350, 125, 0, 40000}));
    EXPECT_EQ(T.G.State.GamesWon, (BySeat<int16_t>{3, 0, 1, 12}));
}

TEST(StartUp, PackLiesStackedFaceDownWithTheAceOfSpadesOnTop) {
    Table T;
    T.StartUp();
    const auto& Cds = T.G.View.Cds;
    for (int K = 1; K <= CardCount; ++K) {
        SCOPED_TRACE(K);
        const CardBox& Box = Cds[static_cast<size_t>(K)];
        EXPECT_TRUE(Box.Visible);
        EXPECT_EQ(Box.Picture, BackPicture);
        EXPECT_EQ(Box.Left, 5040 + 2 * (K - 1));
        EXPECT_EQ(Box.Top, 3720 - 2 * (K - 1));
        EXPECT_EQ(T.G.State.Deck[K].Holder, InNoHand);
        if (K > 1) {
            EXPECT_GT(Box.ZOrder, Cds[static_cast<size_t>(K - 1)].ZOrder);
        }
    }
    EXPECT_EQ(Cds[52].Left, 5142);
    EXPECT_EQ(Cds[52].Top, 3618);
    EXPECT_EQ(T.G.State.Deck[52].FullName, "Ace  of  Spades");
}

TEST(StartUp, RiffleSoundsHalfASecondBeforeThePackAppears) {
    Table T;
    T.G.Steps.Run(Form_Load(T.G));
    EXPECT_EQ(T.Speaker.Sounds, (std::vector<test::Heard>{{test::RiffleWave, 0}}));
    EXPECT_TRUE(T.G.View.Shape1Visible);
    EXPECT_EQ(T.G.View.LblToWin.Caption, "300");
    EXPECT_EQ(T.G.View.StatusPanel2, "General comments and instructions");

    T.Clock.Advance(499);
    for (int K = 1; K <= CardCount; ++K)
        EXPECT_FALSE(T.G.View.Cds[static_cast<size_t>(K)].Visible) << K;
    EXPECT_EQ(T.G.View.StatusPanel2, "General comments and instructions");

    T.Clock.Advance(1);
    for (int K = 1; K <= CardCount; ++K)
        EXPECT_TRUE(T.G.View.Cds[static_cast<size_t>(K)].Visible) << K;
    EXPECT_EQ(T.G.View.StatusPanel2, "Press F2 for new game or go to Game menu!");
    EXPECT_FALSE(T.G.Steps.Running());
    EXPECT_EQ(T.Clock.RunUntilIdle(), 0u);
    EXPECT_EQ(T.Clock.Elapsed(), 500u);
    EXPECT_EQ(T.Speaker.Sounds.size(), 1u);
}

TEST(StartUp, TargetCommandsChangeOnlyTheTarget) {
    const struct {
        void (*Command)(Game&);
        int16_t Target;
        const char* Shown;
    } Steps[] = {{Mnu100_Click, 100, "100"},
                 {Mnu200_Click, 200, "200"},
                 {Mnu300_Click, 300, "300"},
                 {Mnu200_Click, 200, "200"}};
    Table T;
    T.StartUp();
    for (const auto& Step : Steps) {
        SCOPED_TRACE(Step.Target);
        auto Expected = Captions(T.G.View);
        Expected["LblToWin"] = Step.Shown;
        const std::string Status2 = T.G.View.StatusPanel2;
        Step.Command(T.G);
        EXPECT_EQ(T.G.State.TargetScore, Step.Target);
        EXPECT_EQ(Captions(T.G.View), Expected);
        EXPECT_EQ(T.G.View.StatusPanel2, Status2);
        EXPECT_FALSE(T.G.State.GameInProgress);
        EXPECT_TRUE(T.Clock.Idle());
    }
}

TEST(StartUp, TargetCommandInTheMiddleOfABiddingLeavesTheHandAlone) {
    Table T(2); // with this seed the human deals the first hand, so bids last
    T.StartUp();
    MnuNew_Click(T.G);
    T.Clock.RunUntilIdle();
    ASSERT_EQ(T.G.State.Dealer, 0);
    ASSERT_TRUE(T.G.Steps.AwaitingHuman());

    const GameState Before = T.G.State;
    auto Expected = Captions(T.G.View);
    EXPECT_EQ(Expected["LblRounds"], "0");
    EXPECT_EQ(Expected["LblName"], "Player has bid 0");
    const std::string Status1 = T.G.View.StatusPanel1, Status2 = T.G.View.StatusPanel2;

    Mnu100_Click(T.G);

    // The score panel is refreshed from the game: the target, the hand number as it stands now,
    // the scores and bags, and the human's name in place of the bid text.
    Expected["LblToWin"] = "100";
    Expected["LblRounds"] = "1";
    Expected["LblName"] = "Player";
    for (const char* Box :
         {"LblScore0", "LblScore1", "LblScore2", "LblScore3", "LblBags0", "LblBags1", "LblBags2", "LblBags3"})
        Expected[Box] = "0";
    EXPECT_EQ(Captions(T.G.View), Expected);
    EXPECT_EQ(T.G.View.StatusPanel1, Status1);
    EXPECT_EQ(T.G.View.StatusPanel2, Status2);
    EXPECT_TRUE(T.G.View.FramBids.Visible);
    EXPECT_TRUE(T.G.Steps.AwaitingHuman());

    const GameState& S = T.G.State;
    EXPECT_EQ(S.TargetScore, 100);
    EXPECT_EQ(S.Score, Before.Score);
    EXPECT_EQ(S.Bags, Before.Bags);
    EXPECT_EQ(S.Bids, Before.Bids);
    EXPECT_EQ(S.HandNumber, 1);
    EXPECT_EQ(S.Dealer, Before.Dealer);
    EXPECT_EQ(S.Bidder, Before.Bidder);
    for (int Seat = 0; Seat < SeatCount; ++Seat)
        EXPECT_EQ(test::CardsOf(S, Seat), test::CardsOf(Before, Seat)) << Seat;

    // The bidding goes on as if nothing had happened: the human bids last, so it ends one pause
    // after the click.
    const uint64_t ClickedAt = T.Clock.Elapsed();
    LblBids_Click(T.G, 4);
    T.Clock.Advance(799);
    EXPECT_FALSE(S.GameInProgress);
    EXPECT_EQ(T.G.View.LblName.Caption, "Player has bid 4");
    T.Clock.Advance(1);
    EXPECT_TRUE(S.GameInProgress);
    EXPECT_EQ(T.Speaker.TimesOf("beep").back(), ClickedAt + 800);
    EXPECT_EQ(T.G.View.LblToWin.Caption, "100");
}

} // namespace
