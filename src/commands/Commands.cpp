// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Commands.h"

#include "flow/SaveRecords.h"
#include "flow/Questions.h"
#include "flow/NewHand.h"
#include "flow/Scores.h"

#include <string>

namespace tarnwick {

namespace {

Question SeeYou(const Game& G, const char* Text, const char* Proceed, const char* Stay) {
    return {G.State.PlayerName + Text, {Proceed, Stay, ""}, 1, "SEE YOU!"};
}

ClickResult ChangeTarget(Game& G, int16_t Target) {
    if (G.MenusRest) return ClickResult::Ignored;
    G.State.TargetScore = Target;
    G.View.LblToWin.Caption = std::to_string(Target);
    ShowScores(G);
    return ClickResult::Taken;
}

} // namespace

ClickResult MnuNew_Click(Game& G) {
    // The Game menu rests while the cards are dealt.
    if (G.MenusRest) return ClickResult::Ignored;
    if (!G.State.GameInProgress) {
        StartNewGame(G);
        return ClickResult::Taken;
    }
    return TakenIf(
        Ask(G,
            SeeYou(G, " You are in the middle of a game, are you sure you wish to start a new game?.",
                   "Yes Please", "Ooops - No"),
            [](Game& Asker, const Answer& Given) {
                if (Given.Button == 0) StartNewGame(Asker);
            }));
}

ClickResult MnuExit_Click(Game& G) {
    if (G.MenusRest) return ClickResult::Ignored;
    const Question Leave =
        G.State.GameInProgress
            ? SeeYou(G,
                     " Are you sure you wish to leave - you are in the middle of a game and "
                     "nothing will be saved? You "
                     "can go to the Game menu and save this game before exiting if you have "
                     "not already done so.",
                     "Just Exit", "I want to save")
            : SeeYou(G, " Are you sure you wish to leave?.", "Yes Please", "Ooops - No");
    return TakenIf(Ask(G, Leave, [](Game& Asker, const Answer& Given) {
        if (Given.Button != 0) return;
        Asker.Flow.Abandon();
        if (Asker.CloseWindows) Asker.CloseWindows();
        SaveMoneyData(Asker);
        SaveNameData(Asker);
        Asker.View.Quit = true;
    }));
}

ClickResult Mnu300_Click(Game& G) {
    return ChangeTarget(G, 300);
}
ClickResult Mnu200_Click(Game& G) {
    return ChangeTarget(G, 200);
}
ClickResult Mnu100_Click(Game& G) {
    return ChangeTarget(G, 100);
}

} // namespace tarnwick
