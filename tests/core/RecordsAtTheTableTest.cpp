// SPDX-License-Identifier: GPL-3.0-or-later
// The records as the table keeps them: what start-up tidies and where it reads from, the limits of
// the money, a save that fails, and the order of things when the player leaves.

#include "TestTable.h"

#include "flow/GameEnd.h"
#include "records/Records.h"
#include "flow/SaveRecords.h"
#include "commands/Statistics.h"
#include "commands/TableClicks.h"
#include "commands/Clicks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;
namespace fs = std::filesystem;

constexpr const char* SaveFailed = "Ann Sorry, your records could not be saved.";

// Start-up removes what killed saves left behind, then reads the records, each file from the
// folder of an earlier run while the records folder has none yet.
TEST(RecordsAtTheTable, StartUpTidiesTheFolderAndReadsTheEarlierRecords) {
    const pid_t Gone = ::fork();
    if (Gone == 0) ::_exit(0);
    ASSERT_GT(Gone, 0);
    ASSERT_EQ(::waitpid(Gone, nullptr, 0), Gone);

    Table T;
    sim::ScratchFolder Earlier;
    Earlier.Write(MoneyFileName, "-350,125,0,40000\r\n");
    Earlier.Write(NameFileName, "\"Ann\",3,0,1,12\r\n");
    const std::string Leftover = "Money.dat.tmp." + std::to_string(Gone) + ".4";
    T.Folder.Write(Leftover, "-1");
    T.Folder.Write(NameFileName, "\"Bea\",1,2,3,4\r\n");
    T.G.EarlierRecordsFolder = Earlier.Path;
    T.StartUp();

    EXPECT_FALSE(fs::exists(T.Folder.Path / Leftover));
    EXPECT_EQ(Row(T.G.View.LblMoney), "$ -3.5|$ 1.25|$ 0|$ 400|");
    EXPECT_EQ(T.G.State.PlayerName, "Bea");
    EXPECT_EQ(Row(T.G.View.Lblwins), "1|2|3|4|");
    EXPECT_EQ(T.File(MoneyFileName), "<none>");
}

// A balance at the edge of what the file holds stops there when the game is settled, whichever
// way it goes, and is written as it stands.
TEST(RecordsAtTheTable, SettledBalancesStopAtTheLimit) {
    Table T;
    GameState& S = T.G.State;
    S.FunMoney = {MaxBalance - 100, -MaxBalance + 100, 0, 0};
    S.Score = {310, 0, 200, 100};
    SettleGame(T.G);
    EXPECT_EQ(S.FunMoney, (BySeat<int32_t>{MaxBalance, -MaxBalance, -110, -210}));
    EXPECT_EQ(T.File(MoneyFileName), "2147483647,-2147483647,-110,-210\r\n");
    Records Read;
    LoadRecords(T.Folder.Path, Read);
    EXPECT_EQ(Read.FunMoney, S.FunMoney);
}

// A save that fails keeps the old file and tells the player once the step is over, where the
// window sees it; saves that fail after it say nothing more until one has succeeded again.
TEST(RecordsAtTheTable, AFailedSaveIsToldOnceInTheStatusBar) {
    Table T;
    T.Folder.Write(NameFileName, "\"Ann\",3,1,2,0\r\n");
    T.StartUp();
    const fs::path Folder = T.G.RecordsFolder;
    T.G.RecordsFolder = Folder / "gone";
    std::string Drawn;
    T.G.Flow.SetAfterEachStep([&T, &Drawn] { Drawn = T.G.View.StatusPanel2; });

    Click(T.G, {Element::ChangeName});
    NameInput_Closed(T.G, "Ann");
    EXPECT_NE(T.G.View.StatusPanel2, SaveFailed);
    T.Clock.RunUntilIdle();
    EXPECT_EQ(T.G.View.StatusPanel2, SaveFailed);
    EXPECT_EQ(Drawn, SaveFailed);
    EXPECT_EQ(T.File(NameFileName), "\"Ann\",3,1,2,0\r\n");

    T.G.View.StatusPanel2 = "playing";
    Click(T.G, {Element::ChangeName});
    NameInput_Closed(T.G, "Ann");
    T.Clock.RunUntilIdle();
    EXPECT_EQ(T.G.View.StatusPanel2, "playing");

    T.G.RecordsFolder = Folder;
    EXPECT_TRUE(SaveNameData(T.G));
    T.G.RecordsFolder = Folder / "gone";
    EXPECT_FALSE(SaveMoneyData(T.G));
    EXPECT_FALSE(SaveNameData(T.G));
    T.Clock.RunUntilIdle();
    EXPECT_EQ(T.G.View.StatusPanel2, SaveFailed);
}

// At the end of a game the saves come in the same step as the game's own words; the note follows
// them, so it is there while the box announces the winner, and the game goes on as ever after it.
TEST(RecordsAtTheTable, AFailedSaveAtTheEndOfAGameIsSeenWithTheAnnouncement) {
    Table T;
    T.G.State.PlayerName = "Ann";
    T.G.RecordsFolder = T.Folder.Path / "gone";
    T.G.State.GameInProgress = true;
    T.G.State.HandNumber = 8;
    T.G.State.Score = {150, 210, 50, 0};
    T.G.Flow.Run(EndOfGameCheck(T.G));
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(T.G.View.MessageBox.Visible);
    EXPECT_EQ(T.G.View.MessageBox.Title, "   Game Over");
    EXPECT_EQ(T.G.View.StatusPanel2, SaveFailed);
    Click(T.G, {Element::MessageButton, 0});
    T.Clock.RunUntilIdle();
    EXPECT_EQ(T.G.View.StatusPanel2, "Press F2 for a new game or Ctrl + x to exit.");
    EXPECT_EQ(T.G.State.GamesWon, (BySeat<int16_t>{0, 1, 0, 0}));
    EXPECT_FALSE(fs::exists(T.G.RecordsFolder));
}

// Leaving closes every other window first, then writes both files, then ends.
TEST(RecordsAtTheTable, ExitClosesTheWindowsBeforeTheRecordsAreWritten) {
    Table T;
    T.StartUp();
    std::optional<std::string> FilesWhenClosed;
    T.G.CloseWindows = [&T, &FilesWhenClosed] {
        EXPECT_FALSE(T.G.View.Quit);
        FilesWhenClosed = T.File(MoneyFileName) + T.File(NameFileName);
    };
    Click(T.G, {Element::Exit});
    EXPECT_FALSE(FilesWhenClosed);
    Click(T.G, {Element::MessageButton, 0});
    EXPECT_EQ(FilesWhenClosed, "<none><none>");
    EXPECT_EQ(T.File(MoneyFileName) + T.File(NameFileName), "0,0,0,0\r\n\"Player\",0,0,0,0\r\n");
    EXPECT_TRUE(T.G.View.Quit);
}

} // namespace
