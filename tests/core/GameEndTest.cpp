// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestTable.h"

#include "flow/GameEnd.h"
#include "records/Records.h"
#include "commands/Clicks.h"
#include "flow/Scores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

// Hand Hand of a game under way has just been scored; the end-of-game check runs until the first
// message box or its end.
void CheckAfterHand(Table& T, uint8_t Hand, BySeat<int16_t> Scores) {
    T.G.State.GameInProgress = true;
    T.G.State.HandNumber = Hand;
    T.G.State.Score = Scores;
    T.G.Flow.Run(EndOfGameCheck(T.G));
    T.Clock.RunUntilIdle();
}

// A draw is any two level scores after the eighth hand: one more hand is played. The game ends at
// the target or after the eighth hand; a shared top score wins nothing.
TEST(EndOfGameCheck, TargetLastHandsAndDraws) {
    const struct {
        uint8_t Hand;
        BySeat<int16_t> Scores;
        bool TargetLowered, DrawBox, Over;
        int Winner;
        BySeat<int32_t> Money;
    } Endings[] = {
        {3, {300, 120, 90, 40}, false, false, true, 0, {650, -180, -210, -260}},
        {3, {299, 120, 90, 40}, false, false, false, -1, {}},
        {8, {250, 120, 120, 90}, false, true, false, -1, {}},
        {8, {40, 250, 120, 40}, false, true, false, -1, {}},
        {7, {250, 250, 120, 90}, false, false, false, -1, {}},
        {9, {250, 120, 120, 90}, false, false, true, 0, {420, -130, -130, -160}},
        {9, {250, 250, 120, 90}, false, false, true, -1, {}},
        {8, {120, 120, 90, 310}, false, true, true, 3, {-190, -190, -220, 600}},
        {5, {310, 310, 100, 50}, false, false, true, -1, {}},
        {4, {20, 150, 30, 40}, true, false, true, 1, {-130, 360, -120, -110}},
    };
    for (const auto& C : Endings) {
        SCOPED_TRACE("hand " + std::to_string(C.Hand) + " " + ::testing::PrintToString(C.Scores));
        Table T;
        const GameState& S = T.G.State;
        const MessageBoxModel& Box = T.G.View.MessageBox;
        if (C.TargetLowered) Click(T.G, {Element::Target100});
        T.G.View.StatusPanel2 = "playing";
        CheckAfterHand(T, C.Hand, C.Scores);

        ASSERT_EQ(Box.Visible && Box.PictureNo == 5, C.DrawBox);
        if (C.DrawBox) {
            Click(T.G, {Element::MessageButton, 0});
            T.Clock.RunUntilIdle();
        }
        EXPECT_EQ(S.GameInProgress, !C.Over);
        EXPECT_EQ(S.FunMoney, C.Money);
        if (C.Winner < 0) {
            EXPECT_FALSE(Box.Visible);
            EXPECT_EQ(S.GamesWon, (BySeat<int16_t>{}));
            EXPECT_EQ(T.G.View.StatusPanel2, C.Over ? "Player The game is over." : "playing");
            EXPECT_EQ(T.File(MoneyFileName) + T.File(NameFileName), "<none><none>");
            continue;
        }
        // The money is settled and saved before the box; the win counts and is saved only after
        // it, and the human's win saves the money again.
        ASSERT_TRUE(Box.Visible);
        EXPECT_EQ(Box.PictureNo, C.Winner == Human ? 6 : 7);
        EXPECT_EQ(T.File(NameFileName), "\"Player\",0,0,0,0\r\n");
        std::filesystem::remove(T.Folder.Path / MoneyFileName);
        Click(T.G, {Element::MessageButton, 0});
        T.Clock.RunUntilIdle();
        BySeat<int16_t> Won{};
        Won[static_cast<size_t>(C.Winner)] = 1;
        EXPECT_EQ(S.GamesWon, Won);
        EXPECT_EQ(T.File(NameFileName), NameLine("Player", Won));
        EXPECT_EQ(T.File(MoneyFileName) != "<none>", C.Winner == Human);
        EXPECT_EQ(T.G.View.Lblwins[static_cast<size_t>(C.Winner)].Caption, "1");
        EXPECT_EQ(S.Score, (BySeat<int16_t>{}));
        EXPECT_EQ(T.G.View.StatusPanel2, "Press F2 for a new game or Ctrl + x to exit.");
        EXPECT_FALSE(T.G.Flow.Running());
    }
}

TEST(SettleGame, EveryLoserPaysTheDifferenceAndBalancesPastTheOldLimitAreHeld) {
    Table T;
    GameState& S = T.G.State;
    S.FunMoney = {32700, 0, 0, -100};
    S.Score = {310, 250, -40, 180};
    SettleGame(T.G);
    EXPECT_EQ(S.GameWinner, (BySeat<bool>{true, false, false, false}));
    EXPECT_EQ(S.FunMoney, (BySeat<int32_t>{33240, -60, -350, -230}));
    EXPECT_EQ(Row(T.G.View.LblMoney), "$ 332.4|$ -0.6|$ -3.5|$ -2.3|");
    for (size_t Seat = 0; Seat < SeatCount; ++Seat)
        EXPECT_EQ(T.G.View.LblMoney[Seat].Fore, Seat == 0 ? Colours::Black : Colours::Red);
    EXPECT_EQ(T.File(MoneyFileName), "33240,-60,-350,-230\r\n");
    EXPECT_EQ(T.File(NameFileName), "\"Player\",0,0,0,0\r\n");
}

} // namespace
