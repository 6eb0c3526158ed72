// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/SaveRecords.h"

#include "records/Records.h"

namespace tarnwick {

namespace {

// The note goes up once the step that saved has run to its end, so the game's own next words in
// that step (a new-game prompt, a cleared table) cannot hide it before the player has seen it.
// Saves that keep failing after it say nothing more until one succeeds again.
bool Saved(Game& G, bool Written) {
    if (Written) {
        G.SaveFailureTold = false;
        return true;
    }
    if (G.SaveFailureTold) return false;
    G.SaveFailureTold = true;
    G.Flow.Post([&G, Note = G.State.PlayerName + SaveFailedText] { G.View.StatusPanel2 = Note; });
    return false;
}

} // namespace

bool SaveMoneyData(Game& G) {
    return Saved(G, SaveMoneyData(G.RecordsFolder, G.State.FunMoney));
}

bool SaveNameData(Game& G) {
    return Saved(G, SaveNameData(G.RecordsFolder, G.State.PlayerName, G.State.GamesWon));
}

} // namespace tarnwick
