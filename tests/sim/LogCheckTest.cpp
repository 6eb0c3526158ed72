// The hand-history checker passes a true history and stops at the first line of a tampered one.

#include "SimTestSupport.h"

#include "sim/JsonValue.h"
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

class History : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Sound = new std::string(test::PlayGames(21, 4, 200).Log); }
    static void TearDownTestSuite() { delete Sound; }

    // Changes one line of the sound history and expects the checker to name that line.
    void ExpectRejected(const std::string& Type, const std::function<std::string(std::string)>& Tamper,
                        const std::string& Why) {
        std::vector<std::string> All = Lines(*Sound);
        const size_t At = FirstOf(All, Type);
        ASSERT_LT(At, All.size());
        const std::string Before = All[At];
        All[At] = Tamper(All[At]);
        ASSERT_NE(All[At], Before) << "the tampering changed nothing";
        const LogReport R = Check(Joined(All));
        EXPECT_NE(R.Error.find("line " + std::to_string(At + 1) + ":"), std::string::npos) << R.Error;
        EXPECT_NE(R.Error.find(Why), std::string::npos) << R.Error;
    }

    static std::string* Sound;
};

std::string* History::Sound = nullptr;

std::string Replace(const std::string& Line, const std::string& Pattern, const std::string& With) {
    return std::regex_replace(Line, std::regex(Pattern), With, std::regex_constants::format_first_only);
}

TEST_F(History, ASoundHistoryPasses) {
    const LogReport R = Check(*Sound);
    EXPECT_EQ(R.Error, "");
    EXPECT_EQ(R.Games, 4u);
    EXPECT_EQ(R.Lines, Lines(*Sound).size());
    EXPECT_EQ(R.Tricks, R.Hands * 13);
}

TEST_F(History, EveryLineIsJsonWithTheKeysOfItsKind) {
    ExpectRejected(
        "hand", [](std::string L) { return L.substr(0, L.size() - 1); }, "not JSON");
    ExpectRejected(
        "trick", [](std::string L) { return Replace(L, "\"leader\"", "\"lead\""); }, "keys");
    ExpectRejected(
        "score", [](std::string L) { return Replace(L, ",\"bags\":\\[[^\\]]*\\]", ""); }, "keys");
    ExpectRejected(
        "game", [](std::string L) { return Replace(L, "\"target\":200", "\"target\":250"); }, "target");
    ExpectRejected(
        "end", [](std::string L) { return Replace(L, "\"type\":\"end\"", "\"type\":\"finish\""); },
        "unknown type");
}

TEST_F(History, TheGamesInItFollowTheRules) {
    // Two cards of one trick swapped between seats: someone plays a card it does not hold.
    ExpectRejected(
        "trick",
        [](std::string L) {
            std::smatch M;
            std::regex_search(L, M, std::regex("\"cards\":\\[(\\d+),(\\d+),"));
            return Replace(L, "\"cards\":\\[\\d+,\\d+,", "\"cards\":[" + M[2].str() + "," + M[1].str() + ",");
        },
        "could not play");
    ExpectRejected(
        "trick",
        [](std::string L) {
            std::smatch M;
            std::regex_search(L, M, std::regex("\"winner\":(\\d)"));
            return Replace(L, "\"winner\":\\d",
                           "\"winner\":" + std::to_string((std::stoi(M[1].str()) + 1) % 4));
        },
        "the wrong seat won");
    ExpectRejected(
        "hand",
        [](std::string L) {
            std::smatch M;
            std::regex_search(L, M, std::regex("\"bids\":\\[(\\d+),"));
            return Replace(L, "\"bids\":\\[\\d+,",
                           "\"bids\":[" + std::to_string(std::stoi(M[1].str()) + 1) + ",");
        },
        "bid");
    ExpectRejected(
        "score",
        [](std::string L) {
            std::smatch M;
            std::regex_search(L, M, std::regex("\"score\":\\[(-?\\d+),"));
            return Replace(L, "\"score\":\\[-?\\d+,",
                           "\"score\":[" + std::to_string(std::stoi(M[1].str()) + 1) + ",");
        },
        "score is wrong");
    ExpectRejected(
        "end",
        [](std::string L) {
            std::smatch M;
            std::regex_search(L, M, std::regex("\"money\":\\[(-?\\d+),"));
            return Replace(L, "\"money\":\\[-?\\d+,",
                           "\"money\":[" + std::to_string(std::stoi(M[1].str()) + 1) + ",");
        },
        "fun money");
}

TEST_F(History, AMissingOrExtraLineIsFound) {
    std::vector<std::string> All = Lines(*Sound);
    const size_t Trick = FirstOf(All, "trick");
    All.erase(All.begin() + static_cast<std::ptrdiff_t>(Trick));
    EXPECT_NE(Check(Joined(All)).Error, "");

    All = Lines(*Sound);
    All.pop_back();
    EXPECT_NE(Check(Joined(All)).Error.find("ends in the middle of a game"), std::string::npos);

    EXPECT_NE(Check(*Sound + "\n").Error, "");
    EXPECT_NE(Check("").Error, "");
}

TEST(Json, ReadsWhatAHandHistoryHolds) {
    JsonValue V;
    std::string Error;
    ASSERT_TRUE(ParseJson(R"( {"a":[1,-2,[3]],"b":true,"c":null,"d":"x\"y"} )", V, Error)) << Error;
    ASSERT_EQ(V.Type, JsonValue::Kind::Object);
    EXPECT_EQ(V.Keys, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(V.Field("a")->Items.at(1).Number, -2);
    EXPECT_EQ(V.Field("a")->Items.at(2).Items.at(0).Number, 3);
    EXPECT_TRUE(V.Field("b")->Flag);
    EXPECT_EQ(V.Field("c")->Type, JsonValue::Kind::Null);
    EXPECT_EQ(V.Field("d")->Text, "x\"y");
    for (const char* Bad : {"", "{", "[1,]", "{\"a\" 1}", "01", "1.5", "1e3", "\"open", "[1] 2", "tru",
                            "99999999999999999999", "{\"a\":1,}"})
        EXPECT_FALSE(ParseJson(Bad, V, Error)) << Bad;
    std::string Deep(100, '[');
    EXPECT_FALSE(ParseJson(Deep + std::string(100, ']'), V, Error));
}

} // namespace
