#include "TestTable.h"

#include "scoring/Records.h"
#include "shell/Clicks.h"
#include "table/Scores.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;
using Captions = std::array<std::string, 3>;

// The first hand has been played out and its results wait for Continue; then F2 is answered.
struct NewGameAfterAHand : ::testing::Test {
    Table T;
    GameState& S = T.G.State;
    DisplayModel& V = T.G.View;

    void SetUp() override {
        T.StartUp();
        Click(T.G, {Element::NewGame});
        PlayScripted(T, [this] { return V.FramResults.Visible; });
        ASSERT_TRUE(S.GameInProgress);
    }

    void AnswerNewGame(int Answer) {
        Click(T.G, {Element::NewGame});
        ASSERT_TRUE(V.MessageBox.Visible);
        EXPECT_EQ(V.MessageBox.Title, "   SEE YOU!");
        EXPECT_EQ(V.MessageBox.Prompt,
                  "Player You are in the middle of a game, are you sure you wish to start a new game?.");
        EXPECT_EQ(V.MessageBox.Captions, (Captions{"Yes Please", "Ooops - No", ""}));
        Click(T.G, {Element::MessageButton, Answer});
        T.Clock.RunUntilIdle();
    }
};

TEST_F(NewGameAfterAHand, AnsweredNoLeavesTheResultsWaiting) {
    const BySeat<int16_t> Scores = S.Score;
    AnswerNewGame(1);
    EXPECT_TRUE(V.FramResults.Visible);
    Click(T.G, {Element::Continue});
    T.Clock.RunUntilIdle();
    EXPECT_EQ(S.HandNumber, 2);
    EXPECT_EQ(S.Score, Scores);
}

TEST_F(NewGameAfterAHand, AnsweredYesLeavesNothingOfTheOldHand) {
    AnswerNewGame(0);
    EXPECT_EQ(S.HandNumber, 1);
    EXPECT_EQ(S.Score, (BySeat<int16_t>{}));
    EXPECT_EQ(V.LblScore[0].Caption, "");
    ASSERT_TRUE(V.FramBids.Visible);
    EXPECT_FALSE(V.FramResults.Visible);
    // The old hand's Continue is gone with it: pressing it now must not answer the new bid.
    Click(T.G, {Element::Continue});
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(T.G.Steps.AwaitingHuman(HumanWait::Bid));
    EXPECT_EQ(T.File(MoneyFileName), "<none>");
}

TEST(Commands, ExitAsksAndOnlyTheFirstAnswerLeavesAndSaves) {
    const std::string InGameText =
        "Player Are you sure you wish to leave - you are in the middle of a game and "
        "nothing will be saved? You can go to the Game menu and save this game before "
        "exiting if you have not already done so.";
    for (const bool InGame : {false, true})
        for (const int Answer : {0, 1}) {
            SCOPED_TRACE(std::to_string(InGame) + " " + std::to_string(Answer));
            Table T;
            T.StartUp();
            Game& G = T.G;
            if (InGame) {
                Click(G, {Element::NewGame});
                PlayScripted(T, [&G] { return G.State.GameInProgress; });
            }
            G.State.FunMoney = {999, -5, 0, 7};
            Click(G, {Element::Exit});
            ASSERT_TRUE(G.View.MessageBox.Visible);
            EXPECT_EQ(G.View.MessageBox.Title, "   SEE YOU!");
            EXPECT_EQ(G.View.MessageBox.PictureNo, 1);
            EXPECT_EQ(G.View.MessageBox.Prompt,
                      InGame ? InGameText : "Player Are you sure you wish to leave?.");
            EXPECT_EQ(G.View.MessageBox.Captions, (InGame ? Captions{"Just Exit", "I want to save", ""}
                                                          : Captions{"Yes Please", "Ooops - No", ""}));
            Click(G, {Element::MessageButton, Answer});
            T.Clock.RunUntilIdle();

            const bool Leaves = Answer == 0;
            EXPECT_EQ(G.View.Quit, Leaves);
            EXPECT_EQ(T.File(MoneyFileName), Leaves ? "999,-5,0,7\r\n" : "<none>");
            EXPECT_EQ(T.File(NameFileName), Leaves ? "\"Player\",0,0,0,0\r\n" : "<none>");
            // Leaving in the middle of a game stops it where it stands; staying lets it go on.
            EXPECT_EQ(G.Steps.Running(), InGame && !Leaves);
        }
}

// With this seed Desmond wins alone, is paid by the others, and the table is left for a new game.
TEST(Commands, AWholeGameToOneHundredPlaysOutAndSettles) {
    Table T;
    T.StartUp();
    Click(T.G, {Element::Target100});
    Click(T.G, {Element::NewGame});
    PlayScripted(T);
    EXPECT_FALSE(T.G.Steps.Running());
    EXPECT_EQ(T.File(MoneyFileName), "-135,-82,323,-106\r\n");
    EXPECT_EQ(T.File(NameFileName), "\"Player\",0,0,1,0\r\n");
    EXPECT_EQ(T.G.State.HandNumber, 0);
    EXPECT_EQ(T.G.View.StatusPanel2, "Press F2 for a new game or Ctrl + x to exit.");
}

} // namespace
