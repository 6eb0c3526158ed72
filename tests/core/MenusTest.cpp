// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands, and the records they show and keep.

#include "TestTable.h"

#include "records/Records.h"
#include "commands/TableClicks.h"
#include "commands/Clicks.h"
#include "flow/Questions.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;
using Captions = std::array<std::string, 3>;

constexpr const char* MoneyBefore = "-350,125,0,40000\r\n";
constexpr const char* NamesBefore = "\"Ann\",3,0,1,12\r\n";

// A table opened on records that show Ann in debt.
struct Menus : ::testing::Test {
    Table T;
    GameState& S = T.G.State;
    DisplayModel& V = T.G.View;

    void SetUp() override {
        T.Folder.Write(MoneyFileName, MoneyBefore);
        T.Folder.Write(NameFileName, NamesBefore);
        T.StartUp();
    }

    void ExpectAsked(const char* Title, const std::string& Prompt, const Captions& Buttons) {
        ASSERT_TRUE(V.MessageBox.Visible);
        EXPECT_EQ(V.MessageBox.Title, Title);
        EXPECT_EQ(V.MessageBox.Prompt, Prompt);
        EXPECT_EQ(V.MessageBox.Captions, Buttons);
        EXPECT_EQ(V.MessageBox.PictureNo, 1);
    }
};

TEST_F(Menus, StartUpShowsTheRecords) {
    EXPECT_EQ(Row(V.LblMoney), "$ -3.5|$ 1.25|$ 0|$ 400|");
    EXPECT_EQ(Row(V.Lblwins), "3|0|1|12|");
    EXPECT_EQ(Row(V.LblScore) + Row(V.LblBags), "0|0|0|0|0|0|0|0|");
    EXPECT_EQ(SeatLabels(V), (std::vector<std::string>{"Ann", "Rodrick", "Desmond", "Beatrix"}));
    EXPECT_EQ(V.LblPlayer.Caption + V.LblPMoney.Caption, "AnnAnn");
    for (size_t Seat = 0; Seat < SeatCount; ++Seat)
        EXPECT_EQ(V.LblMoney[Seat].Fore, Seat == 0 ? Colours::Red : Colours::Black) << Seat;
}

// F2 once the first hand's results wait for Continue: No leaves them waiting, Yes leaves nothing
// of the old hand, not even a Continue that could answer the new bid.
TEST_F(Menus, NewGameInTheMiddleOfAGameAsksFirst) {
    Click(T.G, {Element::NewGame});
    PlayScripted(T, [this] { return V.FramResults.Visible; });
    const BySeat<int16_t> Scores = S.Score;
    for (const int Answer : {1, 0}) {
        Click(T.G, {Element::NewGame});
        ExpectAsked("   SEE YOU!",
                    "Ann You are in the middle of a game, are you sure you wish to start a new game?.",
                    {"Yes Please", "Ooops - No", ""});
        Click(T.G, {Element::MessageButton, Answer});
        T.Clock.RunUntilIdle();
        EXPECT_EQ(V.FramResults.Visible, Answer == 1);
        EXPECT_EQ(S.Score, Answer == 1 ? Scores : BySeat<int16_t>{});
    }
    EXPECT_EQ(V.LblScore[0].Caption, "");
    Click(T.G, {Element::Continue});
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Bid));
    EXPECT_EQ(S.HandNumber, 1);
    EXPECT_EQ(T.File(MoneyFileName), MoneyBefore);
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
            EXPECT_EQ(G.Flow.Running(), InGame && !Leaves);
        }
}

TEST_F(Menus, StatisticsFrameOpensInFrontAndCloses) {
    const uint32_t Raised = V.FramMoney.Raised;
    Click(T.G, {Element::Statistics});
    EXPECT_TRUE(V.FramMoney.Visible);
    EXPECT_GT(V.FramMoney.Raised, Raised);
    Click(T.G, {Element::CloseStatistics});
    EXPECT_FALSE(V.FramMoney.Visible);
}

// Answered No nothing changes; Yes zeroes the records, shown and saved, but not the game under way.
TEST_F(Menus, DeleteStatisticsAsksFirst) {
    S.GameInProgress = true;
    S.Score = {120, -30, 45, 88};
    for (const int Answer : {1, 0}) {
        Click(T.G, {Element::DeleteStatistics});
        ExpectAsked("   Delete?!",
                    "Ann This will reset the statistics of games won and lost and fun money for all players "
                    "to zero. Carry on?.",
                    {"Yes Please", "Ooops - No", ""});
        Click(T.G, {Element::MessageButton, Answer});
        const bool Deleted = Answer == 0;
        EXPECT_EQ(Row(V.Lblwins) + Row(V.LblMoney),
                  Deleted ? "0|0|0|0|$ 0|$ 0|$ 0|$ 0|" : "3|0|1|12|$ -3.5|$ 1.25|$ 0|$ 400|");
        EXPECT_EQ(V.LblMoney[0].Fore, Deleted ? Colours::Black : Colours::Red);
        EXPECT_EQ(T.File(MoneyFileName), Deleted ? "0,0,0,0\r\n" : MoneyBefore);
        EXPECT_EQ(T.File(NameFileName), Deleted ? "\"Ann\",0,0,0,0\r\n" : NamesBefore);
    }
    EXPECT_EQ(S.FunMoney, (BySeat<int32_t>{}));
    EXPECT_EQ(S.GamesWon, (BySeat<int16_t>{}));
    EXPECT_EQ(S.Score, (BySeat<int16_t>{120, -30, 45, 88}));
    EXPECT_TRUE(S.GameInProgress);
}

TEST_F(Menus, NameChange) {
    struct Case {
        std::optional<std::string> Typed;
        std::string Name;
        std::string File;
    };
    const std::vector<Case> Cases = {
        {"Zoe Smith", "Zoe Smith", "\"Zoe Smith\",3,0,1,12\r\n"},
        {"  Lee, Ann ", "  Lee, Ann ", "\"  Lee, Ann \",3,0,1,12\r\n"},
        {"Ann \"Ace\"\r\nB\tob", "Ann AceBob", "\"Ann AceBob\",3,0,1,12\r\n"},
        {std::nullopt, "Ann", "<none>"},
        {std::string(), "", "\"\",3,0,1,12\r\n"},
    };
    for (const Case& C : Cases) {
        S.PlayerName = "Ann";
        V.LblPlayer.Caption = V.LblName.Caption = V.LblPMoney.Caption = "Ann";
        std::filesystem::remove(T.Folder.Path / NameFileName);
        Click(T.G, {Element::ChangeName});
        ASSERT_TRUE(V.NameInput.Visible);
        EXPECT_EQ(V.NameInput.Prompt, "Please Enter your Name Here");
        EXPECT_EQ(V.NameInput.Title, "New Name");
        EXPECT_EQ(V.NameInput.Proposed, "Player");

        NameInput_Closed(T.G, C.Typed);
        EXPECT_FALSE(V.NameInput.Visible);
        EXPECT_EQ(S.PlayerName, C.Name);
        EXPECT_EQ(V.LblPlayer.Caption + "|" + V.LblName.Caption + "|" + V.LblPMoney.Caption,
                  C.Name + "|" + C.Name + "|" + C.Name);
        EXPECT_EQ(T.File(NameFileName), C.File);
    }
}

} // namespace
