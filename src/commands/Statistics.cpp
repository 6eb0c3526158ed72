// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Statistics.h"

#include "records/Records.h"
#include "flow/SaveRecords.h"
#include "flow/ShowRecords.h"
#include "flow/Questions.h"

namespace tarnwick {

namespace {

// Cancelling keeps the name the player has; only a confirmed answer, even an empty one, replaces it.
void NameTyped(Game& Asker, const Answer& Given) {
    if (!Given.Typed) return;
    Asker.State.PlayerName = StorableName(*Given.Typed);
    ShowPlayerName(Asker);
    SaveNameData(Asker);
}

} // namespace

ClickResult mnuFunmun_Click(Game& G) {
    G.StatisticsOpen = true;
    G.View.FramMoney.Visible = true;
    G.View.FramMoney.Raised = ++G.StatisticsRaised;
    return ClickResult::Taken;
}

ClickResult Command1_Click(Game& G) {
    G.StatisticsOpen = false;
    G.View.FramMoney.Visible = false;
    return ClickResult::Taken;
}

ClickResult MnuDelete_Click(Game& G) {
    Question Delete{G.State.PlayerName +
                        " This will reset the statistics of games won and lost and fun money for all "
                        "players to zero. Carry on?.",
                    {"Yes Please", "Ooops - No", ""},
                    1,
                    "Delete?!"};
    return TakenIf(Ask(G, std::move(Delete), [](Game& Asker, const Answer& Given) {
        if (Given.Button != 0) return;
        Asker.State.GamesWon.fill(0);
        Asker.State.FunMoney.fill(0);
        for (int Seat = 0; Seat < SeatCount; ++Seat)
            ShowGamesWon(Asker, Seat);
        ShowMoney(Asker);
        SaveNameData(Asker);
        SaveMoneyData(Asker);
    }));
}

ClickResult mnuNameChange_Click(Game& G) {
    // The box always proposes "Player", whatever the name is now.
    return TakenIf(Ask(G, TextQuestion{"Please Enter your Name Here", "New Name", "Player"}, NameTyped));
}

} // namespace tarnwick
