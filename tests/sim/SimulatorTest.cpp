// SPDX-License-Identifier: GPL-3.0-or-later
// What the simulator takes from its command line, and what it counts.

#include "sim/Driver.h"
#include "sim/Options.h"
#include "sim/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace tarnwick;
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

// Counts each opening of the draw's box, as a player sees it.
class DrawBoxes final : public TableWatcher {
public:
    void Stepped(const Game& G, uint64_t) override {
        const bool Now = G.View.MessageBox.Visible && G.View.MessageBox.Title == "   A Draw";
        Seen += Now && !Showing;
        Showing = Now;
    }
    uint64_t Seen = 0;

private:
    bool Showing = false;
};

// The draws are counted from the game's own announcement, one for each box the player is shown.
TEST(Simulator, CountsEachDrawTheTableAnnounces) {
    uint64_t Draws = 0;
    for (const auto& [Seed, Target, Games] : {std::tuple{3, 300, 6}, {4, 200, 6}, {8, 100, 6}}) {
        ScratchFolder Folder;
        DrawBoxes Boxes;
        Driver Table(static_cast<uint64_t>(Seed), Folder.Path, static_cast<int16_t>(Target), &Boxes);
        for (int Game = 0; Game < Games; ++Game)
            ASSERT_TRUE(Table.PlayGame()) << Table.Problem();
        EXPECT_EQ(Table.DrawsAnnounced(), Boxes.Seen) << Seed;
        Draws += Boxes.Seen;
    }
    EXPECT_GT(Draws, 0u) << "the games hold a draw";
}

} // namespace
