#include "TestTable.h"

#include "scoring/Records.h"
#include "scoring/Statistics.h"
#include "shell/Clicks.h"
#include "shell/Questions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using test::Row;

constexpr const char* MoneyBefore = "150,-37,40000,0\r\n";
constexpr const char* NamesBefore = "\"Ann\",3,1,2,0\r\n";

// A table opened on records that show Rodrick in debt.
struct Statistics : ::testing::Test {
    test::Table T;
    GameState& S = T.G.State;
    DisplayModel& V = T.G.View;

    void SetUp() override {
        T.Folder.Write(MoneyFileName, MoneyBefore);
        T.Folder.Write(NameFileName, NamesBefore);
        T.StartUp();
        ASSERT_EQ(V.LblMoney[1].Caption, "$ -0.37");
        ASSERT_EQ(V.LblMoney[1].Fore, Colours::Red);
    }

    void DeleteAnswered(int Answer) {
        Click(T.G, {Element::DeleteStatistics});
        ASSERT_TRUE(V.MessageBox.Visible);
        EXPECT_EQ(V.MessageBox.Title, "   Delete?!");
        EXPECT_EQ(V.MessageBox.Prompt,
                  "Ann This will reset the statistics of games won and lost and fun money for "
                  "all players to zero. Carry on?.");
        EXPECT_EQ(V.MessageBox.Captions, (std::array<std::string, 3>{"Yes Please", "Ooops - No", ""}));
        EXPECT_EQ(V.MessageBox.PictureNo, 1);
        Click(T.G, {Element::MessageButton, Answer});
    }
};

TEST_F(Statistics, TheFrameOpensInFrontAndCloses) {
    const uint32_t Raised = V.FramMoney.Raised;
    Click(T.G, {Element::Statistics});
    EXPECT_TRUE(V.FramMoney.Visible);
    EXPECT_GT(V.FramMoney.Raised, Raised);
    Click(T.G, {Element::CloseStatistics});
    EXPECT_FALSE(V.FramMoney.Visible);
}

TEST_F(Statistics, DeleteAnsweredNoChangesNothing) {
    DeleteAnswered(1);
    EXPECT_EQ(S.FunMoney, (BySeat<int32_t>{150, -37, 40000, 0}));
    EXPECT_EQ(S.GamesWon, (BySeat<int16_t>{3, 1, 2, 0}));
    EXPECT_EQ(T.File(MoneyFileName) + T.File(NameFileName), std::string(MoneyBefore) + NamesBefore);
}

TEST_F(Statistics, DeleteAnsweredYesZeroesEverythingButTheGameUnderWay) {
    S.GameInProgress = true;
    S.Score = {120, -30, 45, 88};
    DeleteAnswered(0);
    EXPECT_EQ(S.FunMoney, (BySeat<int32_t>{}));
    EXPECT_EQ(S.GamesWon, (BySeat<int16_t>{}));
    EXPECT_EQ(Row(V.Lblwins) + Row(V.LblMoney), "0|0|0|0|$ 0|$ 0|$ 0|$ 0|");
    EXPECT_EQ(V.LblMoney[1].Fore, Colours::Black);
    EXPECT_EQ(T.File(MoneyFileName), "0,0,0,0\r\n");
    EXPECT_EQ(T.File(NameFileName), "\"Ann\",0,0,0,0\r\n");
    EXPECT_EQ(S.Score, (BySeat<int16_t>{120, -30, 45, 88}));
    EXPECT_TRUE(S.GameInProgress);
}

TEST_F(Statistics, NameChange) {
    struct Case {
        std::optional<std::string> Typed;
        std::string Name;
        std::string File;
    };
    const std::vector<Case> Cases = {
        {"Zoe Smith", "Zoe Smith", "\"Zoe Smith\",3,1,2,0\r\n"},
        {"  Lee, Ann ", "  Lee, Ann ", "\"  Lee, Ann \",3,1,2,0\r\n"},
        {"Ann \"Ace\"\r\nB\tob", "Ann AceBob", "\"Ann AceBob\",3,1,2,0\r\n"},
        {std::nullopt, "Ann", "<none>"},
        {std::string(), "", "\"\",3,1,2,0\r\n"},
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

        NameInput_Answer(T.G, C.Typed);
        EXPECT_FALSE(V.NameInput.Visible);
        EXPECT_EQ(S.PlayerName, C.Name);
        EXPECT_EQ(V.LblPlayer.Caption + "|" + V.LblName.Caption + "|" + V.LblPMoney.Caption,
                  C.Name + "|" + C.Name + "|" + C.Name);
        EXPECT_EQ(T.File(NameFileName), C.File);
    }
}

} // namespace
