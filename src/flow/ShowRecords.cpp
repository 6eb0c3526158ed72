// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/ShowRecords.h"

#include "records/Records.h"

namespace tarnwick {

void ShowMoney(Game& G) {
    for (size_t S = 0; S < SeatCount; ++S) {
        LabelBox& L = G.View.LblMoney[S];
        L.Caption = MoneyText(G.State.FunMoney[S]);
        L.Fore = G.State.FunMoney[S] < 0 ? Colours::Red : Colours::Black;
    }
}

void ShowGamesWon(Game& G, int Seat) {
    if (Seat < 0 || Seat >= SeatCount) return;
    const auto S = static_cast<size_t>(Seat);
    G.View.Lblwins[S].Caption = std::to_string(G.State.GamesWon[S]);
}

void ShowPlayerName(Game& G) {
    const std::string& Name = G.State.PlayerName;
    G.View.LblName.Caption = Name;
    G.View.LblPlayer.Caption = Name;
    G.View.LblPMoney.Caption = Name;
}

} // namespace tarnwick
