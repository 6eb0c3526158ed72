#include "scoring/Statistics.h"

#include "scoring/Records.h"
#include "scoring/SaveRecords.h"
#include "scoring/ShowRecords.h"
#include "shell/MessageBox.h"

namespace tarnwick {

void mnuFunmun_Click(Game& G) {
    G.View.FramMoney.Visible = true;
    ++G.View.FramMoney.Raised;
}

void Command1_Click(Game& G) {
    G.View.FramMoney.Visible = false;
}

void MnuDelete_Click(Game& G) {
    Question Delete{G.State.PlayerName +
                        " This will reset the statistics of games won and lost and fun money for all "
                        "players to zero. Carry on?.",
                    {"Yes Please", "Ooops - No", ""},
                    1,
                    "Delete?!"};
    AskThen(G, std::move(Delete), [](Game& Asker) {
        if (Asker.State.MsgAnswer != 0) return;
        Asker.State.GamesWon.fill(0);
        Asker.State.FunMoney.fill(0);
        for (int Seat = 0; Seat < SeatCount; ++Seat)
            ShowGamesWon(Asker, Seat);
        ShowMoney(Asker);
        SaveNameData(Asker);
        SaveMoneyData(Asker);
    });
}

void mnuNameChange_Click(Game& G) {
    if (G.View.MessageBox.Visible || G.View.NameInput.Visible) return;
    // The box always proposes "Player", whatever the name is now.
    G.View.NameInput = {true, "Please Enter your Name Here", "New Name", "Player"};
    G.Steps.Hold();
}

void NameInput_Answer(Game& G, std::optional<std::string> Typed) {
    if (!G.View.NameInput.Visible) return;
    G.View.NameInput.Visible = false;
    G.Steps.Release();
    // Cancelling keeps the name the player has; only a confirmed answer, even an empty one,
    // replaces it.
    if (!Typed) return;
    GameState& S = G.State;
    S.PlayerName = StorableName(*Typed);
    G.View.LblPlayer.Caption = S.PlayerName;
    G.View.LblName.Caption = S.PlayerName;
    G.View.LblPMoney.Caption = S.PlayerName;
    SaveNameData(G);
}

} // namespace tarnwick
