// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/NewHand.h"

#include "flow/Bidding.h"
#include "flow/Tricks.h"
#include "flow/HandScoring.h"
#include "flow/Deal.h"
#include "flow/ShowRecords.h"

#include <array>
#include <cmath>

namespace tarnwick {

void ClearTable(Game& G) {
    GameState& S = G.State;
    DisplayModel& V = G.View;
    S.SpadesBroken = false;
    S.Played = {};
    V.FramBids.Visible = false;
    S.BidClicked = 0;
    S.FirstLeader = 0;
    S.Bidder = 0;
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
        for (ImageBox& Back : V.Pile(Seat))
            Back.Visible = false;
    V.LblBeatrix.Caption = "Beatrix";
    V.LblNorthName.Caption = "Desmond";
    V.LblWestName.Caption = "Rodrick";
    ShowPlayerName(G);
    for (int K = 1; K <= CardCount; ++K) {
        V.Cds.at(static_cast<size_t>(K)).Visible = false;
        S.Deck[K].Holder = InNoHand;
        S.Deck[K].Played = false;
    }
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        V.LblBid[Seat].Caption.clear();
        V.Lblmade[Seat].Caption.clear();
        S.Bids[Seat] = 0;
        S.BagPenalty[Seat] = false;
        S.HandScore[Seat] = 0;
        S.PlayedCard[Seat] = 0;
        S.TricksWon[Seat] = 0;
    }
    if (S.GameInProgress) return;

    S.Bags.fill(0);
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        S.OverTricks[Seat] = 0;
        V.LblScore[Seat].Caption.clear();
        V.LblBags[Seat].Caption.clear();
    }
    S.Score.fill(0);
    S.HandNumber = 0;
    V.StatusPanel1.clear();
    V.StatusPanel2.clear();
}

const char* DealerText(uint8_t Dealer) {
    // Each announcement keeps its own blanks and stops exactly as the game has always shown them.
    constexpr std::array<const char*, SeatCount> Texts = {
        " You are dealing and Rodrick will Lead.",
        "Rodrick  is dealing and Desmond will Lead.",
        "Desmond is dealing and Beatrix will Lead.",
        "Beatrix is dealing and you will Lead",
    };
    return Texts.at(Dealer);
}

Task<> NewHand(Game& G) {
    GameState& S = G.State;
    DisplayModel& V = G.View;
    ClearTable(G);
    co_await Riffle(G);
    S.CardClickLock = true;
    if (!S.GameInProgress) S.Dealer = static_cast<uint8_t>(std::floor(G.Random.Uniform() * SeatCount));
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        S.TricksWon[Seat] = 0;
        V.Lblmade[Seat].Caption = "0";
        S.Bids[Seat] = 0;
        V.LblBid[Seat].Caption = "0";
    }
    ++S.HandNumber;
    V.StatusPanel1 = "Hand  Number " + std::to_string(S.HandNumber);
    S.Dealer = NextSeat(S.Dealer);
    S.FirstLeader = S.Bidder = NextSeat(S.Dealer);
    V.StatusPanel2 = DealerText(S.Dealer);
    S.Leader = NextSeat(S.Dealer);
    co_await DealHand(G);
    co_await GetAllBids(G);
    co_await PlayTricks(G);
    co_await ScoreHand(G);
}

Task<> PlayGame(Game& G) {
    do
        co_await NewHand(G);
    while (G.State.GameInProgress);
}

void StartNewGame(Game& G) {
    G.Flow.Abandon();
    // The results of a hand given up are not left waiting for a Continue that would go nowhere.
    G.View.FramResults.Visible = false;
    G.State.GameInProgress = false;
    G.Flow.Run(PlayGame(G));
}

} // namespace tarnwick
