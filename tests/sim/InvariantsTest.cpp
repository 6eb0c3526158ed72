// The checks stop at the first thing amiss and say where it happened.

#include "sim/Invariants.h"

#include <gtest/gtest.h>

namespace {

using namespace tarnwick;
using sim::Invariants;

TEST(Invariants, ACardDealtTwiceIsCaught) {
    Invariants Checks;
    GameState S;
    Checks.GameStarting(S, 1);
    Checks.CardDealt(1, 5);
    Checks.CardDealt(2, 17);
    EXPECT_FALSE(Checks.Broken());
    Checks.CardDealt(3, 5);
    ASSERT_TRUE(Checks.Broken());
    EXPECT_EQ(Checks.FirstViolation(), "game 1, hand 1: card 5 is dealt twice");
}

TEST(Invariants, ACardDealtOutOfTurnIsCaught) {
    Invariants Checks;
    GameState S;
    Checks.GameStarting(S, 4);
    Checks.CardDealt(1, 5);
    Checks.CardDealt(3, 6);
    EXPECT_EQ(Checks.FirstViolation(), "game 4, hand 1: card 6 is dealt to seat 3 out of turn");
}

TEST(Invariants, OnlyTheFirstViolationIsKept) {
    Invariants Checks;
    GameState S;
    Checks.GameStarting(S, 2);
    Checks.TrickDone(0, {1, 2, 3, 4}, 0);
    Checks.GameOver(S, S.Score, -1);
    EXPECT_EQ(Checks.FirstViolation(), "game 2: a trick is played outside the play of a hand");
}

TEST(Invariants, MoneyThatAppearsFromNowhereIsCaught) {
    Invariants Checks;
    GameState S;
    S.FunMoney = {100, -100, 0, 0};
    Checks.GameStarting(S, 1);
    EXPECT_FALSE(Checks.Broken());
    S.FunMoney = {100, -100, 5, 0};
    Checks.GameStarting(S, 2);
    EXPECT_NE(Checks.FirstViolation().find("fun money sums to 5 instead of 0"), std::string::npos);
}

} // namespace
