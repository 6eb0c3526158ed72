// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/Deal.h"

#include "flow/Pacing.h"

#include <array>
#include <cmath>

namespace tarnwick {

namespace {

struct HandLine {
    double Left, Top, StepLeft, StepTop;
};
constexpr std::array<HandLine, SeatCount> HandLines = {{
    {3500, 6600, 450, 0},
    {1920, 2700, 0, 175},
    {3840, 1320, 175, 0},
    {8550, 2700, 0, 175},
}};

// A dealt card first flies towards its seat, then to the last point of its flight, which the
// layout of the hand overtakes at once.
struct DealMoves {
    CardPlace First, Second;
    bool Sounds;
};
constexpr std::array<DealMoves, SeatCount> Moves = {{
    {{4400, 4400}, {3840.57, 4400}, true},
    {{3720, 3840}, {2400, 3240}, true},
    {{4560, 3000}, {3840, 192}, false},
    {{6240, 3480}, {8520, 2900}, true},
}};

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

CardPlace HandPlace(uint8_t Seat, int Index) {
    const HandLine& L = HandLines.at(Seat);
    return {L.Left + L.StepLeft * Index, L.Top + L.StepTop * Index};
}

Task<> Riffle(Game& G) {
    GameState& S = G.State;
    G.View.Shape1Visible = true;
    G.Sounds.PlayWave(Wave::Riffle);
    S.PauseMs = Pauses::Riffle;
    co_await Pause(G);
    for (int K = 1; K <= CardCount; ++K) {
        S.Deck[K].Holder = InNoHand;
        CardBox& Box = G.View.Cds.at(static_cast<size_t>(K));
        Box.Visible = true;
        Box.Picture = BackPicture;
        Box.Left = 5040 + 2 * (K - 1);
        Box.Top = 3720 - 2 * (K - 1);
        G.View.BringToFront(K);
    }
    S.PauseMs = S.BasePause;
}

int16_t RandomCard(Game& G) {
    for (;;) {
        const auto R = static_cast<int16_t>(RoundHalfToEven(G.Dice.Uniform() * CardCount));
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
    const DealMoves& Move = Moves.at(Seat);
    S.PauseMs = Pauses::DealtCard;
    const int16_t K = RandomCard(G);
    S.Deck[K].Holder = Seat;
    G.Events->CardDealt(Seat, K);
    MoveCard(G, K, Move.First);
    co_await Pause(G);
    MoveCard(G, K, Move.Second);
    if (Move.Sounds) co_await DealSound(G);
    ShowHand(G, Seat);
    S.PauseMs = S.BasePause;
}

Task<> DealHand(Game& G) {
    GameState& S = G.State;
    S.PauseMs = static_cast<int16_t>(S.BasePause + Pauses::BeforeDealExtra);
    co_await Pause(G);
    RestMenus(G, true);
    S.Leader = NextSeat(S.Dealer);
    for (int Circuit = 0; Circuit < 13; ++Circuit) {
        uint8_t Seat = S.Leader;
        for (int Card = 0; Card < SeatCount; ++Card, Seat = NextSeat(Seat))
            co_await DealTo(G, Seat);
    }
    S.CardsLeft.fill(13);
    RestMenus(G, false);
}

} // namespace tarnwick
