// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/Deal.h"

#include "flow/CardPlaces.h"
#include "flow/Pacing.h"

#include <array>
#include <cmath>

namespace tarnwick {

namespace {

void MoveCard(Game& G, int CardNo, CardPlace To) {
    CardBox& Box = G.View.Cds.at(static_cast<size_t>(CardNo));
    Box.Left = To.Left;
    Box.Top = To.Top;
}

double RoundHalfToEven(double X) {
    const double Floor = std::floor(X);
    const double Rest = X - Floor;
    if (Rest > 0.5) return Floor + 1;
    if (Rest < 0.5) return Floor;
    return std::fmod(Floor, 2.0) == 0 ? Floor : Floor + 1;
}

// The menus rest while the cards fly: the commands ask the game, the window the model.
void RestMenus(Game& G, bool Rest) {
    G.MenusRest = Rest;
    G.View.MnuGameEnabled = G.View.MnuOptionsEnabled = G.View.MnuHelpEnabled = !Rest;
}

} // namespace

Task<> Riffle(Game& G) {
    GameState& S = G.State;
    G.View.Shape1Visible = true;
    G.Sounds.PlayWave(Wave::Riffle);
    co_await Pause(G, Pauses::Riffle);
    for (int K = 1; K <= CardCount; ++K) {
        S.Deck[K].Holder = InNoHand;
        CardBox& Box = G.View.Cds.at(static_cast<size_t>(K));
        Box.Visible = true;
        Box.Picture = BackPicture;
        Box.Left = PackBottom.Left + PackStep.Left * (K - 1);
        Box.Top = PackBottom.Top + PackStep.Top * (K - 1);
        G.View.BringToFront(K);
    }
}

int16_t RandomCard(Game& G) {
    for (;;) {
        const auto R = static_cast<int16_t>(RoundHalfToEven(G.Random.Uniform() * CardCount));
        if (R != 0 && G.State.Deck[R].Holder == InNoHand) return R;
    }
}

void ShowHand(Game& G, uint8_t Seat) {
    int Index = 0;
    for (int K = 1; K <= CardCount; ++K) {
        if (G.State.Deck[K].Holder != Seat) continue;
        G.View.Cds.at(static_cast<size_t>(K)).Picture = Seat == Human ? K : BackPicture;
        MoveCard(G, K, HandPlace(Seat, Index++));
    }
}

Task<> DealTo(Game& G, uint8_t Seat) {
    GameState& S = G.State;
    const DealMoves& Move = DealFlights.at(Seat);
    const int16_t K = RandomCard(G);
    S.Deck[K].Holder = Seat;
    G.Events->CardDealt(Seat, K);
    MoveCard(G, K, Move.First);
    co_await Pause(G, Pauses::DealtCard);
    MoveCard(G, K, Move.Second);
    if (Move.Sounds) co_await DealSound(G, Pauses::DealtCard);
    ShowHand(G, Seat);
}

Task<> DealHand(Game& G) {
    GameState& S = G.State;
    co_await Pause(G, Pauses::BeforeDeal(S));
    RestMenus(G, true);
    S.Leader = NextSeat(S.Dealer);
    for (int Circuit = 0; Circuit < 13; ++Circuit) {
        uint8_t Seat = S.Leader;
        for (int Card = 0; Card < SeatCount; ++Card, Seat = NextSeat(Seat))
            co_await DealTo(G, Seat);
    }
    RestMenus(G, false);
}

} // namespace tarnwick
