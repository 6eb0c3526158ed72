// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/Scores.h"

#include "flow/ShowRecords.h"

#include <string>

namespace tarnwick {

void ShowScores(Game& G) {
    GameState& S = G.State;
    DisplayModel& V = G.View;
    for (size_t Seat = 0; Seat < SeatCount; ++Seat)
        V.LblScore[Seat].Caption = std::to_string(S.Score[Seat]);
    for (size_t Seat = 0; Seat < SeatCount; ++Seat)
        V.LblBags[Seat].Caption = std::to_string(S.Bags[Seat]);
    ShowMoney(G);
    V.LblRounds.Caption = std::to_string(S.HandNumber);
    V.LblToWin.Caption = std::to_string(S.TargetScore);
    ShowPlayerName(G);
    for (int Seat = 0; Seat < SeatCount; ++Seat)
        ShowGamesWon(G, Seat);
}

} // namespace tarnwick
