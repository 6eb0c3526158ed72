// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/Tricks.h"

#include "flow/CardPlaces.h"
#include "rules/BotPlay.h"
#include "flow/HumanPlay.h"
#include "flow/Sweep.h"
#include "rules/Trick.h"
#include "flow/Pacing.h"
#include "flow/Deal.h"

#include <array>
#include <string>

namespace tarnwick {

namespace {

constexpr std::array<const char*, SeatCount> PlayedTexts = {"", "Rodrick played  ", "Desmond played  ",
                                                            "Beatrix played  "};

constexpr std::array<const char*, SeatCount> WonTexts = {
    " won the trick and now has tricks ", " Rodrick won the trick and now has tricks ",
    "Desmond won the trick and now has tricks ", "Beatrix won the trick and now has tricks "};

bool HandIsOver(const GameState& S) {
    for (int K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder != InNoHand) return false;
    return true;
}

} // namespace

Task<> BotPlaysCard(Game& G, uint8_t BotSeat, int16_t BotCard, int Place) {
    GameState& S = G.State;
    MoveToTrick(S, BotSeat, BotCard, Place);
    CardBox& Box = G.View.Cds.at(static_cast<size_t>(BotCard));
    Box.Picture = BotCard;
    Box.Left = PlaceOnTable(BotSeat).Left;
    Box.Top = PlaceOnTable(BotSeat).Top;
    G.View.BringToFront(BotCard);
    co_await DealSound(G, Pauses::Trick);
    G.View.StatusPanel2 = PlayedTexts[BotSeat] + S.Deck[BotCard].FullName;
}

Task<bool> EndOfTrick(Game& G) {
    GameState& S = G.State;
    const uint8_t W = GetWinner(S);
    S.Played.Add({S.Leader, S.PlayedCard, W});
    G.Events->TrickDone(S.Leader, TrickInPlayOrder(S), W);
    ++S.TricksWon[W];
    G.View.Lblmade[W].Caption = std::to_string(S.TricksWon[W]);
    const std::string Won = WonTexts[W] + std::to_string(S.TricksWon[W]);
    G.View.StatusPanel2 = W == Human ? S.PlayerName + Won : Won;
    co_await Pause(G, Pauses::Trick);
    co_await JustMoveCardsOut(G, W);
    // Only now the winner leads: till the trick is swept its order of play is read from its leader.
    S.Leader = W;
    if (!HandIsOver(S)) co_return false;
    G.View.StatusPanel2 = "The hand is over";
    co_return true;
}

Task<> PlayTricks(Game& G) {
    GameState& S = G.State;
    for (;;) {
        uint8_t Seat = S.Leader;
        for (int Place = 1; Place <= SeatCount; ++Place, Seat = NextSeat(Seat)) {
            if (Seat == Human)
                co_await HumanTurn(G, Place);
            else
                co_await BotPlaysCard(G, Seat, BotPlaysPlace(S, Seat, Place), Place);
        }
        if (co_await EndOfTrick(G)) co_return;
    }
}

} // namespace tarnwick
