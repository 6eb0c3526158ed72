#include "TestTable.h"

#include "scoring/HandScoring.h"
#include "shell/Clicks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

struct SeatHand {
    int16_t Bid, Tricks, BagsBefore;
    int16_t Points, HandScore, ScoreChange, OverTricks, BagsAfter;
    bool Penalty;
};

TEST(ScoreSeat, PointsBagsAndPenaltiesAlikeForEverySeat) {
    const std::vector<SeatHand> Hands = {
        {4, 4, 0, 40, 40, 40, 0, 0, false},
        {4, 6, 0, 42, 42, 42, 2, 2, false},
        {5, 3, 7, -50, -50, -50, 0, 7, false},
        {0, 0, 0, 0, 200, 200, 0, 0, false},
        {0, 3, 0, 3, -197, -197, 3, 3, false},
        {2, 5, 8, 23, 23, -77, 3, 1, true},
        {3, 4, 9, 31, 31, -69, 1, 0, true},
        // Nine bags and thirteen more: one penalty, twelve carried, and no other until the seat
        // next takes an overtrick.
        {0, 13, 9, 13, -187, -287, 13, 12, true},
        {4, 4, 12, 40, 40, 40, 0, 12, false},
        {4, 5, 12, 41, 41, -59, 1, 3, true},
    };
    for (const SeatHand& H : Hands) {
        EXPECT_EQ(HandPoints(H.Tricks, H.Bid), H.Points) << H.Bid << "/" << H.Tricks;
        for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
            SCOPED_TRACE(std::to_string(H.Bid) + "/" + std::to_string(H.Tricks) + " seat " +
                         std::to_string(Seat));
            GameState S;
            S.Score[Seat] = 100;
            S.Bags[Seat] = H.BagsBefore;
            S.OverTricks[Seat] = 5;
            S.Bids[Seat] = H.Bid;
            S.TricksWon[Seat] = H.Tricks;
            ScoreSeat(S, Seat);
            EXPECT_EQ(S.HandScore[Seat], H.HandScore);
            EXPECT_EQ(S.Score[Seat], 100 + H.ScoreChange);
            EXPECT_EQ(S.OverTricks[Seat], H.OverTricks);
            EXPECT_EQ(S.Bags[Seat], H.BagsAfter);
            EXPECT_EQ(S.BagPenalty[Seat], H.Penalty);
        }
    }
}

// Every seat bids 4 and takes 6 with ScoreBefore points and BagsBefore bags.
GameState ScoredHand(int16_t ScoreBefore, int16_t BagsBefore) {
    GameState S;
    S.Score.fill(ScoreBefore);
    S.Bags.fill(BagsBefore);
    S.Bids.fill(4);
    S.TricksWon.fill(6);
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
        ScoreSeat(S, Seat);
    return S;
}

TEST(ResultsText, EachSeatKeepsItsOwnWording) {
    const GameState Normal = ScoredHand(100, 3);
    const std::vector<std::string> NormalTexts = {
        "Player you scored 42 have 2 bags. You bid 4 and made 6 tricks. Total Points now 142 with 5 Bags",
        "Rodrick scored 42 has 2 Bags. He bid 4 and made 6 tricks. Total Points now 142 with 5 Bags",
        "Desmond scored 42 has 2 Bags. He bid 4 and made 6 tricks. Total Points now 142 with 5 Bags",
        "Beatrix scored 42 has 2 Bags. She bid 4 and made 6 tricks. Total Points now 142 with 5 Bags.",
    };
    const GameState Penalised = ScoredHand(200, 9);
    const std::vector<std::string> PenaltyTexts = {
        "Player you scored 42 have 2 Bags. You bid 4 and made 6 tricks and lost 100 points for 10 bags. "
        "Total Points now 142 with 1 Bags",
        "Rodrick scored 42 has 2 Bags. He bid 4 and made 6 tricks and 100 points lost for 10 bags. "
        "Total Points now 142 with 1 Bags",
        "Desmond scored 42 has 2 Bags. He bid 4 and made 6 tricks and 100 points lost for 10 bags. "
        "Total Points now 142 with 1 Bags",
        "Beatrix scored 42 has 2 Bags. She bid 4 and made tricks 6 tricks and 100 points lost for 10 bags. "
        "Total Points now 142 with 1 Bags",
    };
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
        EXPECT_EQ(ResultsText(Normal, Seat), NormalTexts[Seat]);
        EXPECT_EQ(ResultsText(Penalised, Seat), PenaltyTexts[Seat]);
    }
}

// The human nil and clean, which takes him past the target; Rodrick set, Desmond made, and
// Beatrix over her bags. Nothing is decided before Continue.
TEST(ScoreHand, ShowsTheResultsAndWaitsForContinue) {
    Table T;
    GameState& S = T.G.State;
    const DisplayModel& V = T.G.View;
    S.GameInProgress = true;
    S.HandNumber = 3;
    S.Score = {150, 90, 200, 320};
    S.Bags = {0, 4, 1, 9};
    S.Bids = {0, 5, 4, 2};
    S.TricksWon = {0, 3, 4, 6};
    T.G.Steps.Run(ScoreHand(T.G));
    T.Clock.Advance(60'000);

    EXPECT_EQ(T.Speaker.Sounds, (std::vector<Heard>{{"ringout.wav", 0}}));
    EXPECT_EQ(Row(V.LblScore), "350|40|240|244|");
    EXPECT_EQ(Row(V.LblBags), "0|4|1|3|");
    EXPECT_EQ(S.BagPenalty, (BySeat<bool>{}));
    EXPECT_EQ(
        V.TxtResults[Human].Caption,
        "Player you scored 200 have 0 bags. You bid 0 and made 0 tricks. Total Points now 350 with 0 Bags");
    EXPECT_EQ(V.TxtResults[East].Caption,
              "Beatrix scored 24 has 4 Bags. She bid 2 and made tricks 6 tricks and 100 "
              "points lost for 10 bags. Total Points now 244 with 3 Bags");
    EXPECT_TRUE(V.FramResults.Visible);
    EXPECT_TRUE(S.GameInProgress);
    EXPECT_FALSE(V.MessageBox.Visible);

    Click(T.G, {Element::Continue});
    EXPECT_FALSE(V.FramResults.Visible);
    T.Clock.RunUntilIdle();
    EXPECT_FALSE(S.GameInProgress);
    EXPECT_EQ(V.MessageBox.PictureNo, 6);
}

} // namespace
