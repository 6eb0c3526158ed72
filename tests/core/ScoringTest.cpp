// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Scoring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace tarnwick;

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

} // namespace
