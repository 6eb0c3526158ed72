// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/HumanPlay.h"

#include "rules/Trick.h"
#include "flow/CardPlaces.h"
#include "flow/Pacing.h"

namespace tarnwick {

namespace {

// The card flies to the human's place, on its way to the table while it sounds.
Task<> PutOnTable(Game& G, int16_t CardNo, int Place) {
    CardBox& Box = G.View.Cds.at(static_cast<size_t>(CardNo));
    Box.Left = PlaceOnTable(Human).Left;
    Box.Top = PlaceOnTable(Human).Top;
    const int Ms = Pauses::LeftForHumanCard(G.State, Place);
    co_await DealSound(G, Ms);
    co_await Pause(G, Ms);
}

} // namespace

Task<> HumanTurn(Game& G, int Place) {
    GameState& S = G.State;
    S.CardClickLock = false;
    G.View.StatusPanel2 = S.PlayerName + " please click on card you wish to play.";
    co_await G.Flow.WaitForHuman(HumanWait::Card);

    const int16_t K = S.CardClicked;
    if (Place != 1) S.SuitLed = S.Deck[FirstCard(S)].Suit;
    MoveToTrick(S, Human, K, Place);
    co_await PutOnTable(G, K, Place);
    S.CardClickLock = true;
    G.View.StatusPanel2 = S.PlayerName + " has played " + S.Deck[K].FullName;
}

} // namespace tarnwick
