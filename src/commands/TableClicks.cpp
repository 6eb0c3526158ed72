// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/TableClicks.h"

#include "rules/Legality.h"
#include "flow/Questions.h"

#include <utility>

namespace tarnwick {

ClickResult Cds_Click(Game& G, int CardNo) {
    GameState& S = G.State;
    if (CardNo < 1 || CardNo > CardCount || G.Flow.Held()) return ClickResult::Ignored;
    if (S.Deck[CardNo].Holder != Human || !S.GameInProgress || S.CardClickLock ||
        !G.Flow.AwaitingHuman(HumanWait::Card))
        return ClickResult::Ignored;
    if (!IsLegalForHuman(S, static_cast<int16_t>(CardNo), HumanPlaceInTrick(S) == 1)) {
        G.View.StatusPanel2 = S.PlayerName + " Sorry, you cannot play that card. Try again please";
        return ClickResult::Refused;
    }
    // From this click until the human's next turn no other card may be taken, not even while
    // this one is still on its way to the table.
    S.CardClickLock = true;
    S.CardClicked = static_cast<int16_t>(CardNo);
    G.Flow.WakeHuman(HumanWait::Card);
    return ClickResult::Taken;
}

ClickResult LblBids_Click(Game& G, int Index) {
    // A click made while the game stands still behind a modal window is not taken.
    if (!G.Flow.AwaitingHuman(HumanWait::Bid) || G.Flow.Held() || Index < 0 || Index > 13)
        return ClickResult::Ignored;
    G.State.BidClicked = static_cast<int16_t>(Index);
    G.Flow.WakeHuman(HumanWait::Bid);
    return ClickResult::Taken;
}

ClickResult CmdClose_Click(Game& G) {
    // The frame hides at the click, before the hand goes on; a second click finds it answered.
    if (!G.Flow.AwaitingAnswer(HumanWait::Continue) || G.Flow.Held()) return ClickResult::Ignored;
    G.View.FramResults.Visible = false;
    G.Flow.WakeHuman(HumanWait::Continue);
    return ClickResult::Taken;
}

ClickResult Label1_Click(Game& G, int Index) {
    if (!ButtonShown(G, Index)) return ClickResult::Ignored;
    AnswerMessageBox(G, Index);
    return ClickResult::Taken;
}

ClickResult NameInput_Closed(Game& G, std::optional<std::string> Typed) {
    if (!NameBoxOpen(G)) return ClickResult::Ignored;
    AnswerNameInput(G, std::move(Typed));
    return ClickResult::Taken;
}

} // namespace tarnwick
