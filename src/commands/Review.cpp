// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Review.h"

#include "flow/CardPlaces.h"
#include "flow/Questions.h"

#include <algorithm>

namespace tarnwick {

namespace {

std::string SeatName(const GameState& S, uint8_t Seat) {
    constexpr std::array<const char*, SeatCount> Names = {"", "Rodrick", "Desmond", "Beatrix"};
    return Seat == Human ? S.PlayerName : Names.at(Seat);
}

} // namespace

std::string ReviewCaption(const GameState& S, int Index) {
    const FinishedTrick& T = S.Played.Tricks.at(static_cast<size_t>(Index));
    return "Trick " + std::to_string(Index + 1) + " of 13 \u2014 led by " + SeatName(S, T.Leader) + ", won by " +
           SeatName(S, T.Winner);
}

bool CanReview(const Game& G) {
    return G.State.Played.Count > 0 && !Reviewing(G) && !G.Flow.Held() && !QuestionOpen(G);
}

bool Reviewing(const Game& G) {
    return G.Reviewed >= 0;
}

bool OpenReview(Game& G) {
    if (!CanReview(G)) return false;
    G.Reviewed = G.State.Played.Count - 1;
    G.Flow.Freeze();
    ShowReview(G);
    return true;
}

void StepReview(Game& G, int By) {
    if (!Reviewing(G)) return;
    G.Reviewed = std::clamp(G.Reviewed + By, 0, G.State.Played.Count - 1);
    ShowReview(G);
}

void CloseReview(Game& G) {
    if (!Reviewing(G)) return;
    G.Reviewed = -1;
    G.Flow.Thaw();
    ShowReview(G);
}

void ShowReview(Game& G) {
    const GameState& S = G.State;
    ReviewModel Now;
    Now.Offered = CanReview(G);
    if (Reviewing(G)) {
        const FinishedTrick& T = S.Played.Tricks.at(static_cast<size_t>(G.Reviewed));
        Now.Visible = true;
        Now.Caption = ReviewCaption(S, G.Reviewed);
        Now.Spoken = Now.Caption + ".";
        for (uint8_t Seat = T.Leader, Turn = 0; Turn < SeatCount; ++Turn, Seat = NextSeat(Seat)) {
            const int16_t Card = T.Cards.at(Seat);
            const CardPlace At = PlaceOnTable(Seat);
            Now.Cards.at(Seat) = {Card, At.Left, At.Top, Seat == T.Winner};
            Now.Spoken += " " + SeatName(S, Seat) + ": " + SpokenName(S.Deck[Card]) + ".";
        }
        Now.CanGoBack = G.Reviewed > 0;
        Now.CanGoOn = G.Reviewed < S.Played.Count - 1;
    }
    G.View.Review = std::move(Now);
}

} // namespace tarnwick
