// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/HandScoring.h"

#include "rules/Scoring.h"
#include "flow/GameEnd.h"

namespace tarnwick {

using std::to_string;

Task<> ScoreHand(Game& G) {
    GameState& S = G.State;
    DisplayModel& V = G.View;
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
        ScoreSeat(S, Seat);
        V.LblScore[Seat].Caption = to_string(S.Score[Seat]);
        V.LblBags[Seat].Caption = to_string(S.Bags[Seat]);
    }
    G.Events->HandScored(S);
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
        V.TxtResults[Seat].Caption = ResultsText(S, Seat);
        S.BagPenalty[Seat] = false;
    }
    V.FramResults.Visible = true;
    G.Sounds.PlayWave(Wave::RingOut);
    co_await G.Flow.WaitForHuman(HumanWait::Continue);
    co_await EndOfGameCheck(G);
}

} // namespace tarnwick
