// Whole games through the window's own handlers, the south seat played by the computer's rules.

#include "SimTestSupport.h"

#include "sim/LogCheck.h"
#include "sim/Options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace tarnwick::sim;

size_t Count(const std::string& Text, const std::string& What) {
    size_t Found = 0;
    for (size_t At = Text.find(What); At != std::string::npos; At = Text.find(What, At + 1))
        ++Found;
    return Found;
}

TEST(Simulator, PlaysWholeGamesWithEveryStepChecked) {
    const test::Run R = test::PlayGames(5, 30, 300);
    EXPECT_EQ(R.Problem, "");
    EXPECT_EQ(R.Violation, "");
    EXPECT_EQ(R.Fallbacks, 0u) << "the table refused a card the computer's rules chose for south";
    EXPECT_EQ(Count(R.Log, "{\"type\":\"game\""), 30u);
    EXPECT_EQ(Count(R.Log, "{\"type\":\"end\""), 30u);
    EXPECT_EQ(Count(R.Log, "{\"type\":\"trick\""), Count(R.Log, "{\"type\":\"hand\"") * 13);
}

TEST(Simulator, TheTargetComesFromTheOptionsMenu) {
    for (const int16_t Target : {int16_t{100}, int16_t{200}, int16_t{300}}) {
        const test::Run R = test::PlayGames(3, 4, Target);
        EXPECT_EQ(R.TargetSet, Target);
        EXPECT_EQ(Count(R.Log, "\"target\":" + std::to_string(Target) + ","), 4u);
        std::istringstream In(R.Log);
        EXPECT_EQ(CheckLog(In).Error, "");
    }
}

TEST(Simulator, RecordsCarryFromGameToGame) {
    const test::Run R = test::PlayGames(9, 3, 100);
    std::istringstream In(R.Log);
    const LogReport Report = CheckLog(In);
    EXPECT_EQ(Report.Error, "");
    EXPECT_EQ(Report.Games, 3u);
    // The first game starts from the empty records; the checker holds every later game's
    // money_before to the money the game before ended with.
    EXPECT_NE(R.Log.find("\"money_before\":[0,0,0,0]"), std::string::npos);
}

TEST(SimulatorOptions, ReadsTheCommandLine) {
    const char* Args[] = {"tarnwick-sim",        "--games",   "25",   "--seed",
                          "9223372036854775807", "--target",  "100",  "--log",
                          "out.jsonl",           "--records", "here", "--check"};
    const ParsedOptions P = ParseOptions(12, Args);
    ASSERT_TRUE(P.Ok) << P.Error;
    EXPECT_EQ(P.Chosen.Games, 25u);
    EXPECT_EQ(P.Chosen.Seed, 9223372036854775807u);
    EXPECT_EQ(P.Chosen.Target, 100);
    EXPECT_EQ(P.Chosen.LogFile, "out.jsonl");
    EXPECT_EQ(P.Chosen.RecordsFolder, "here");
    EXPECT_TRUE(P.Chosen.Check);
}

TEST(SimulatorOptions, RefusesWhatItCannotUse) {
    for (const auto& Args : std::vector<std::vector<const char*>>{{"s", "--games", "0"},
                                                                  {"s", "--games", "-3"},
                                                                  {"s", "--games"},
                                                                  {"s", "--target", "250"},
                                                                  {"s", "--seed", "1x"},
                                                                  {"s", "--seed", "9223372036854775808"},
                                                                  {"s", "--log", ""},
                                                                  {"s", "--fast"}}) {
        const ParsedOptions P = ParseOptions(static_cast<int>(Args.size()), Args.data());
        EXPECT_FALSE(P.Ok) << Args[1];
        EXPECT_FALSE(P.Error.empty());
    }
}

} // namespace
