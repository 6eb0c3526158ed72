#include "TestTable.h"

#include "bidding/Bidding.h"
#include "play/HumanPlay.h"
#include "scoring/HandScoring.h"
#include "scoring/Records.h"
#include "shell/Commands.h"
#include "shell/MessageBox.h"
#include "table/Scores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using test::Table;

std::string Contents(const Table& T, const char* FileName) {
    std::ifstream In(T.Folder.Path / FileName, std::ios::binary);
    if (!In) return "<none>";
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

int16_t FirstLegal(const GameState& S) {
    const bool Leading = S.CardsLeft[East] == S.CardsLeft[Human];
    for (int K : test::CardsOf(S, Human))
        if (IsLegalForHuman(S, static_cast<int16_t>(K), Leading)) return static_cast<int16_t>(K);
    return 0;
}

// The human who bids 1, plays the first card the rules allow, presses Continue and O.K, until
// Stop holds or the game has run its course.
void PlayScripted(Table& T, const std::function<bool()>& Stop = [] { return false; }) {
    Game& G = T.G;
    for (int Step = 0; Step < 5000; ++Step) {
        T.Clock.RunUntilIdle();
        if (Stop() || !G.Steps.Running()) return;
        if (G.View.MessageBox.Visible)
            Label1_Click(G, 0);
        else if (G.View.FramBids.Visible)
            LblBids_Click(G, 1);
        else if (G.View.FramResults.Visible)
            CmdClose_Click(G);
        else
            Cds_Click(G, FirstLegal(G.State));
    }
    ADD_FAILURE() << "the game never settled";
}

struct Commands : ::testing::Test {
    Table T;
    GameState& S = T.G.State;
    DisplayModel& V = T.G.View;

    void SetUp() override { T.StartUp(); }

    // The first hand is played out and its results wait for Continue.
    void PlayFirstHand() {
        MnuNew_Click(T.G);
        PlayScripted(T, [this] { return V.FramResults.Visible; });
        ASSERT_TRUE(V.FramResults.Visible);
        ASSERT_TRUE(S.GameInProgress);
    }

    void AskNewGame(int Answer) {
        MnuNew_Click(T.G);
        ASSERT_TRUE(V.MessageBox.Visible);
        EXPECT_EQ(V.MessageBox.Title, "   SEE YOU!");
        EXPECT_EQ(V.MessageBox.Prompt,
                  "Player You are in the middle of a game, are you sure you wish to start a new game?.");
        EXPECT_EQ(V.MessageBox.Captions, (std::array<std::string, 3>{"Yes Please", "Ooops - No", ""}));
        Label1_Click(T.G, Answer);
    }
};

TEST_F(Commands, NewGameWithNoGameStartsAtOnceButNotDuringTheDeal) {
    S.MsgAnswer = 1;
    MnuNew_Click(T.G);
    EXPECT_FALSE(V.MessageBox.Visible);
    while (V.MnuGameEnabled) T.Clock.Advance(10);
    const size_t Riffles = T.Speaker.TimesOf(test::RiffleWave).size();
    MnuNew_Click(T.G);
    T.Clock.RunUntilIdle();
    EXPECT_EQ(T.Speaker.TimesOf(test::RiffleWave).size(), Riffles);
    EXPECT_TRUE(V.FramBids.Visible);
    EXPECT_EQ(S.HandNumber, 1);
    EXPECT_EQ(test::CardsOf(S, Human).size(), 13u);
}

TEST_F(Commands, NewGameAnsweredNoLeavesTheResultsWaiting) {
    PlayFirstHand();
    const BySeat<int16_t> Scores = S.Score;
    AskNewGame(1);
    T.Clock.RunUntilIdle();
    EXPECT_EQ(S.MsgAnswer, 1);
    EXPECT_TRUE(V.FramResults.Visible);
    EXPECT_EQ(S.Score, Scores);
    CmdClose_Click(T.G);
    T.Clock.RunUntilIdle();
    EXPECT_EQ(S.HandNumber, 2);
    EXPECT_EQ(S.Score, Scores);
}

TEST_F(Commands, NewGameAnsweredYesLeavesNothingOfTheOldHand) {
    PlayFirstHand();
    AskNewGame(0);
    T.Clock.RunUntilIdle();
    EXPECT_EQ(S.HandNumber, 1);
    EXPECT_EQ(S.Score, (BySeat<int16_t>{}));
    EXPECT_EQ(V.LblScore[0].Caption, "");
    EXPECT_FALSE(S.GameInProgress);
    ASSERT_TRUE(V.FramBids.Visible);
    EXPECT_FALSE(V.FramResults.Visible);

    // The old hand's Continue is gone with it: pressing it now must not answer the new bid.
    CmdClose_Click(T.G);
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(V.FramBids.Visible);
    EXPECT_TRUE(T.G.Steps.AwaitingHuman());
    EXPECT_EQ(S.Bids[Human], 0);
    EXPECT_EQ(Contents(T, MoneyFileName), "<none>");
}

TEST_F(Commands, ExitAsksAndOnlyTheFirstAnswerLeavesAndSaves) {
    struct Case {
        bool InGame;
        int Answer;
    };
    const std::string InGameText = "Player Are you sure you wish to leave - you are in the middle of a game and "
                                   "nothing will be saved? You can go to the Game menu and save this game before "
                                   "exiting if you have not already done so.";
    for (const Case C : {Case{false, 0}, Case{false, 1}, Case{true, 0}, Case{true, 1}}) {
        SCOPED_TRACE(C.InGame ? "in a game" : "no game");
        Table Fresh;
        Fresh.StartUp();
        Game& G = Fresh.G;
        if (C.InGame) {
            MnuNew_Click(G);
            PlayScripted(Fresh, [&G] { return G.State.GameInProgress; });
        }
        G.State.FunMoney = {999, -5, 0, 7};
        MnuExit_Click(G);
        ASSERT_TRUE(G.View.MessageBox.Visible);
        EXPECT_EQ(G.View.MessageBox.Title, "   SEE YOU!");
        EXPECT_EQ(G.View.MessageBox.PictureNo, 1);
        EXPECT_EQ(G.View.MessageBox.Prompt, C.InGame ? InGameText : "Player Are you sure you wish to leave?.");
        EXPECT_EQ(G.View.MessageBox.Captions,
                  (C.InGame ? std::array<std::string, 3>{"Just Exit", "I want to save", ""}
                            : std::array<std::string, 3>{"Yes Please", "Ooops - No", ""}));
        Label1_Click(G, C.Answer);
        Fresh.Clock.RunUntilIdle();

        const bool Leaves = C.Answer == 0;
        EXPECT_EQ(G.View.Quit, Leaves);
        EXPECT_EQ(Contents(Fresh, MoneyFileName), Leaves ? "999,-5,0,7\r\n" : "<none>");
        EXPECT_EQ(Contents(Fresh, NameFileName), Leaves ? "\"Player\",0,0,0,0\r\n" : "<none>");
        // Leaving in the middle of a game stops it where it stands; staying lets it go on.
        EXPECT_EQ(G.Steps.Running(), C.InGame && !Leaves);
    }
}

TEST_F(Commands, AWholeGameToOneHundredPlaysOutAndSettles) {
    Mnu100_Click(T.G);
    MnuNew_Click(T.G);
    PlayScripted(T);
    EXPECT_FALSE(S.GameInProgress);
    EXPECT_FALSE(T.G.Steps.Running());
    EXPECT_EQ(std::accumulate(S.FunMoney.begin(), S.FunMoney.end(), 0), 0);
    EXPECT_EQ(std::accumulate(S.GamesWon.begin(), S.GamesWon.end(), 0), S.HandNumber == 0 ? 1 : 0);
    if (S.HandNumber != 0) return; // the top score was shared: the table is left as it stood
    EXPECT_EQ(Contents(T, MoneyFileName), MoneyLine(S.FunMoney));
    EXPECT_EQ(Contents(T, NameFileName), NameLine(S.PlayerName, S.GamesWon));
    EXPECT_EQ(V.StatusPanel2, "Press F2 for a new game or Ctrl + x to exit.");
}

} // namespace
