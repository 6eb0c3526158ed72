// SPDX-License-Identifier: GPL-3.0-or-later
// What the simulator takes from its command line.

#include "sim/Options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace tarnwick::sim;

TEST(SimulatorOptions, TakesOnlyWhatItCanUse) {
    const std::vector<std::vector<const char*>> Refused = {
        {"s", "--games", "0"},    {"s", "--games", "-3"}, {"s", "--games"},
        {"s", "--target", "250"}, {"s", "--seed", "1x"},  {"s", "--seed", "9223372036854775808"},
        {"s", "--log", ""},       {"s", "--fast"}};
    for (const auto& Args : Refused) {
        const ParsedOptions P = ParseOptions(static_cast<int>(Args.size()), Args.data());
        EXPECT_FALSE(P.Ok) << Args[1];
        EXPECT_FALSE(P.Error.empty());
    }
    const char* Chosen[] = {"s",        "--games", "25",     "--seed", "9223372036854775807",
                            "--target", "100",     "--check"};
    const ParsedOptions P = ParseOptions(8, Chosen);
    ASSERT_TRUE(P.Ok) << P.Error;
    EXPECT_EQ(P.Chosen.Games, 25u);
    EXPECT_EQ(P.Chosen.Seed, 9223372036854775807u);
    EXPECT_EQ(P.Chosen.Target, 100);
    EXPECT_TRUE(P.Chosen.Check);
}

} // namespace
