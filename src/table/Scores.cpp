// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/Scores.h"

#include "scoring/ShowRecords.h"

#include <string>

namespace tarnwick {

namespace {

void ChangeTarget(Game& G, int16_t Target) {
    if (!G.View.MnuOptionsEnabled) return;
    G.State.TargetScore = Target;
    G.View.LblToWin.Caption = std::to_string(Target);
    ShowScores(G);
}

} // namespace

void ShowScores(Game& G) {
    GameState& S = G.State;
    DisplayModel& V = G.View;
    for (size_t Seat = 0; Seat < SeatCount; ++Seat)
        V.LblScore[Seat].Caption = std::to_string(S.Score[Seat]);
    for (size_t Seat = 0; Seat < SeatCount; ++Seat)
        V.LblBags[Seat].Caption = std::to_string(S.Bags[Seat]);
    ShowMoney(G);
    V.LblPlayer.Caption = S.PlayerName;
    V.LblRounds.Caption = std::to_string(S.HandNumber);
    V.LblToWin.Caption = std::to_string(S.TargetScore);
    V.LblName.Caption = S.PlayerName;
    V.LblPMoney.Caption = S.PlayerName;
    for (int Seat = 0; Seat < SeatCount; ++Seat)
        ShowGamesWon(G, Seat);
}

void Mnu300_Click(Game& G) {
    ChangeTarget(G, 300);
}
void Mnu200_Click(Game& G) {
    ChangeTarget(G, 200);
}
void Mnu100_Click(Game& G) {
    ChangeTarget(G, 100);
}

} // namespace tarnwick
