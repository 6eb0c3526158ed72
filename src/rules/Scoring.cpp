// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Scoring.h"

#include <algorithm>

namespace tarnwick {

namespace {

using std::to_string;

constexpr int16_t NilBonus = 200, BagPenaltyPoints = 100, BagLimit = 10;
constexpr uint8_t LastHand = 8;

} // namespace

int16_t HandPoints(int16_t Tricks, int16_t Bid) {
    // A nil bid is only a bid of nothing here: its 200 points come on top.
    if (Tricks >= Bid) return static_cast<int16_t>((Tricks - Bid) + 10 * Bid);
    return static_cast<int16_t>(-10 * Bid);
}

void ScoreSeat(GameState& S, uint8_t Seat) {
    const int16_t Tricks = S.TricksWon[Seat], Bid = S.Bids[Seat];
    int16_t& Score = S.Score[Seat];
    int16_t& HandScore = S.HandScore[Seat];
    const int16_t Points = HandPoints(Tricks, Bid);
    Score = static_cast<int16_t>(Score + Points);
    HandScore = Points;
    if (Bid == 0) {
        const int16_t Nil = Tricks == 0 ? NilBonus : static_cast<int16_t>(-NilBonus);
        Score = static_cast<int16_t>(Score + Nil);
        HandScore = static_cast<int16_t>(HandScore + Nil);
    }
    if (Tricks <= Bid) {
        S.OverTricks[Seat] = 0;
        return;
    }
    S.OverTricks[Seat] = static_cast<int16_t>(Tricks - Bid);
    int16_t& Bags = S.Bags[Seat];
    Bags = static_cast<int16_t>(Bags + S.OverTricks[Seat]);
    // One penalty a hand at most, however far past ten; the rest is carried.
    if (Bags >= BagLimit) {
        Score = static_cast<int16_t>(Score - BagPenaltyPoints);
        S.BagPenalty[Seat] = true;
        Bags = Bags > BagLimit ? static_cast<int16_t>(Bags - BagLimit) : int16_t{0};
    }
}

std::string ResultsText(const GameState& S, uint8_t Seat) {
    const std::string Scored = to_string(S.HandScore[Seat]), Over = to_string(S.OverTricks[Seat]),
                      Bid = to_string(S.Bids[Seat]), Made = to_string(S.TricksWon[Seat]),
                      Total = to_string(S.Score[Seat]), Bags = to_string(S.Bags[Seat]);
    const bool Penalty = S.BagPenalty[Seat];
    // Each seat has always had its own wording, down to a capital letter or a full stop.
    switch (Seat) {
    case Human:
        return S.PlayerName + " you scored " + Scored + " have " + Over +
               (Penalty ? " Bags. You bid " : " bags. You bid ") + Bid + " and made " + Made +
               (Penalty ? " tricks and lost 100 points for 10 bags. Total Points now "
                        : " tricks. Total Points now ") +
               Total + " with " + Bags + " Bags";
    case West:
    case North:
        return std::string(Seat == West ? "Rodrick" : "Desmond") + " scored " + Scored + " has " + Over +
               " Bags. He bid " + Bid + " and made " + Made +
               (Penalty ? " tricks and 100 points lost for 10 bags. Total Points now "
                        : " tricks. Total Points now ") +
               Total + " with " + Bags + " Bags";
    default:
        if (Penalty)
            return "Beatrix scored " + Scored + " has " + Over + " Bags. She bid " + Bid +
                   " and made tricks " + Made + " tricks and 100 points lost for 10 bags. Total Points now " +
                   Total + " with " + Bags + " Bags";
        return "Beatrix scored " + Scored + " has " + Over + " Bags. She bid " + Bid + " and made " + Made +
               " tricks. Total Points now " + Total + " with " + Bags + " Bags.";
    }
}

bool CheckForDraw(const GameState& S) {
    if (S.HandNumber != LastHand) return false;
    for (size_t A = 0; A < SeatCount; ++A)
        for (size_t B = A + 1; B < SeatCount; ++B)
            if (S.Score[A] == S.Score[B]) return true;
    return false;
}

bool GameIsOver(const GameState& S) {
    if (S.HandNumber > LastHand || (S.HandNumber == LastHand && !CheckForDraw(S))) return true;
    return std::any_of(S.Score.begin(), S.Score.end(),
                       [&S](int16_t Score) { return Score >= S.TargetScore; });
}

} // namespace tarnwick
