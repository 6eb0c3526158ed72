// SPDX-License-Identifier: GPL-3.0-or-later
// The checks stop at the first thing amiss and say where it happened.

#include "sim/Invariants.h"

#include <gtest/gtest.h>

namespace {

using namespace tarnwick;
using sim::Invariants;

TEST(Invariants, TheFirstViolationIsKeptWithWhereItHappened) {
    Invariants Dealing, Playing, Money;
    GameState S;
    S.FunMoney = {100, -100, 0, 0};
    for (Invariants* Checks : {&Dealing, &Playing, &Money})
        Checks->GameStarting(S, 3);
    Dealing.CardDealt(1, 5);
    Dealing.CardDealt(2, 17);
    EXPECT_FALSE(Dealing.Broken());
    Dealing.CardDealt(3, 5);
    Dealing.CardDealt(1, 6);
    EXPECT_EQ(Dealing.FirstViolation(), "game 3, hand 1: card 5 is dealt twice");
    Playing.TrickDone(0, {1, 2, 3, 4}, 0);
    EXPECT_EQ(Playing.FirstViolation(), "game 3: a trick is played outside the play of a hand");
    S.FunMoney[2] = 5;
    Money.GameStarting(S, 4);
    EXPECT_EQ(Money.FirstViolation(), "game 4: fun money sums to 5 instead of 0");
}

} // namespace
