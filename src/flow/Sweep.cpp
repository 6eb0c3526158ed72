// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/Sweep.h"

#include "flow/CardPlaces.h"
#include "flow/Pacing.h"
#include "flow/Deal.h"

#include <array>

namespace tarnwick {

Task<> JustMoveCardsOut(Game& G, uint8_t WinnerOfTrick) {
    GameState& S = G.State;
    DisplayModel& V = G.View;
    const std::array<int16_t, SeatCount> Trick = TrickInPlayOrder(S);
    auto Box = [&V](int16_t K) -> CardBox& { return V.Cds.at(static_cast<size_t>(K)); };

    for (int16_t K : Trick)
        Box(K).Picture = BackPicture;
    co_await Pause(G, Pauses::Trick);
    for (int16_t K : Trick) {
        Box(K).Left = Gathered.Left;
        Box(K).Top = Gathered.Top;
    }
    for (int16_t K : Trick) {
        S.Deck[K].Holder = InNoHand;
        S.Deck[K].Played = true;
    }
    for (size_t I = 0; I < 3; ++I)
        Box(Trick[I]).Visible = false;

    CardBox& Last = Box(FourthCard(S));
    Last.Left = TowardsWinner.at(WinnerOfTrick).Left;
    Last.Top = TowardsWinner.at(WinnerOfTrick).Top;
    V.BringToFrontOfAll(FourthCard(S));
    co_await DealSound(G, Pauses::Trick);

    V.Pile(WinnerOfTrick).at(static_cast<size_t>(S.TricksWon[WinnerOfTrick])).Visible = true;
    Last.Visible = false;
    for (int K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder == InNoHand) Box(static_cast<int16_t>(K)).Visible = false;
    for (uint8_t Seat : {West, North, Human, East})
        ShowHand(G, Seat);
}

} // namespace tarnwick
