// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/StartUp.h"

#include "records/Records.h"
#include "flow/Pacing.h"
#include "flow/Deal.h"
#include "flow/Scores.h"

namespace tarnwick {

Task<> Form_Load(Game& G) {
    GameState& S = G.State;
    S.TargetScore = 300;
    G.View.LblToWin.Caption = std::to_string(S.TargetScore);
    S.PlayerName = "Player";

    RemoveLeftoverTemporaries(G.RecordsFolder);
    Records Read;
    LoadRecords(G.RecordsFolder, Read, G.EarlierRecordsFolder);
    S.FunMoney = Read.FunMoney;
    S.PlayerName = Read.PlayerName;
    S.GamesWon = Read.GamesWon;

    S.BasePause = Pauses::Base;
    ShowScores(G);
    G.View.CardBoxesCreated = true;
    InitDeck(S.Deck);
    co_await Riffle(G);
    G.View.StatusPanel2 = "Press F2 for new game or go to Game menu!";
}

} // namespace tarnwick
