// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-history checker passes a true history and stops at the first line of a tampered one.

#include "SimTestSupport.h"

#include "sim/LogCheck.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <sstream>
#include <vector>

namespace {

using namespace tarnwick::sim;

std::vector<std::string> Lines(const std::string& Text) {
    std::vector<std::string> All;
    std::istringstream In(Text);
    for (std::string Line; std::getline(In, Line);)
        All.push_back(Line);
    return All;
}

std::string Joined(const std::vector<std::string>& All) {
    std::string Text;
    for (const std::string& Line : All)
        Text += Line + "\n";
    return Text;
}

LogReport Check(const std::string& Text) {
    std::istringstream In(Text);
    return CheckLog(In);
}

// The first line of a kind, and its index.
size_t FirstOf(const std::vector<std::string>& All, const std::string& Type) {
    for (size_t I = 0; I < All.size(); ++I)
        if (All[I].starts_with("{\"type\":\"" + Type + "\"")) return I;
    return All.size();
}

// Adds one to the first number after "Key": or "Key":[, wrapping at Wrap when given.
std::string Bump(const std::string& Line, const std::string& Key, int Wrap = 0) {
    std::smatch M;
    if (!std::regex_search(Line, M, std::regex("(\"" + Key + "\":\\[?)(-?\\d+)"))) return Line;
    const int Number = std::stoi(M[2].str()) + 1;
    return M.prefix().str() + M[1].str() + std::to_string(Wrap ? Number % Wrap : Number) + M.suffix().str();
}

std::string Replace(const std::string& Line, const std::string& Pattern, const std::string& With) {
    return std::regex_replace(Line, std::regex(Pattern), With, std::regex_constants::format_first_only);
}

// Two cards of one trick swapped between seats: someone plays a card it does not hold.
std::string SwapCards(const std::string& Line) {
    std::smatch M;
    if (!std::regex_search(Line, M, std::regex("\"cards\":\\[(\\d+),(\\d+),"))) return Line;
    return M.prefix().str() + "\"cards\":[" + M[2].str() + "," + M[1].str() + "," + M.suffix().str();
}

class History : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Sound = new std::string(test::PlayGames(21, 4, 200).Log); }
    static void TearDownTestSuite() { delete Sound; }
    static std::string* Sound;
};

std::string* History::Sound = nullptr;

TEST_F(History, ASoundHistoryPasses) {
    const LogReport R = Check(*Sound);
    EXPECT_EQ(R.Error, "");
    EXPECT_EQ(R.Games, 4u);
    EXPECT_EQ(R.Lines, Lines(*Sound).size());
    EXPECT_EQ(R.Tricks, R.Hands * 13);
}

// One line of the sound history changed: the checker names that line and what is wrong with it.
TEST_F(History, ATamperedLineIsNamed) {
    const struct {
        const char* Type;
        std::function<std::string(const std::string&)> Tamper;
        const char* Why;
    } Cases[] = {
        {"hand", [](const std::string& L) { return L.substr(0, L.size() - 1); }, "not JSON"},
        {"trick", [](const std::string& L) { return Replace(L, "\"leader\"", "\"lead\""); }, "keys"},
        {"score", [](const std::string& L) { return Replace(L, ",\"bags\":\\[[^\\]]*\\]", ""); }, "keys"},
        {"game", [](const std::string& L) { return Replace(L, "\"target\":200", "\"target\":250"); },
         "target"},
        {"end", [](const std::string& L) { return Replace(L, "\"type\":\"end\"", "\"type\":\"x\""); },
         "unknown type"},
        {"trick", SwapCards, "could not play"},
        {"trick", [](const std::string& L) { return Bump(L, "winner", 4); }, "the wrong seat won"},
        {"hand", [](const std::string& L) { return Bump(L, "bids"); }, "bid"},
        {"score", [](const std::string& L) { return Bump(L, "score"); }, "score is wrong"},
        {"end", [](const std::string& L) { return Bump(L, "money"); }, "fun money"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Why);
        std::vector<std::string> All = Lines(*Sound);
        const size_t At = FirstOf(All, C.Type);
        ASSERT_LT(At, All.size());
        const std::string Before = All[At];
        All[At] = C.Tamper(All[At]);
        ASSERT_NE(All[At], Before) << "the tampering changed nothing";
        const LogReport R = Check(Joined(All));
        EXPECT_NE(R.Error.find("line " + std::to_string(At + 1) + ":"), std::string::npos) << R.Error;
        EXPECT_NE(R.Error.find(C.Why), std::string::npos) << R.Error;
    }
}

} // namespace
