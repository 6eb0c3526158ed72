// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every variable of a game, under its own name. The routines of the game read and write them
// directly; the order in which they set and clear them is what holds a hand together.

#include "rules/Card.h"
#include "rules/Seats.h"
#include "rules/TricksPlayed.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarnwick {

template <class T> using BySeat = std::array<T, SeatCount>;

struct GameState {
    // Kept for the whole run.
    DeckOfCards Deck;
    std::string PlayerName = "Player";
    int16_t TargetScore = 300;
    BySeat<int32_t> FunMoney{};
    BySeat<int16_t> GamesWon{};
    int16_t BasePause = 200;

    // Kept for one game.
    BySeat<int16_t> Score{};
    BySeat<int16_t> Bags{};
    BySeat<int16_t> OverTricks{};
    uint8_t HandNumber = 0;
    uint8_t Dealer = 0;
    bool GameInProgress = false;
    BySeat<bool> GameWinner{};

    // Kept for one hand.
    BySeat<int16_t> Bids{};
    BySeat<int16_t> TricksWon{};
    BySeat<int16_t> HandScore{};
    BySeat<bool> BagPenalty{};
    uint8_t FirstLeader = 0;
    uint8_t Bidder = 0;
    bool SpadesBroken = false;
    TricksPlayed Played;

    // Kept for one trick. The trick is kept by seat alone: its order of play is read from the
    // Leader (FirstCard .. FourthCard below). A seat that has not played to it yet still has its
    // card of the trick before there.
    uint8_t Leader = 0;
    uint8_t SuitLed = 0;
    BySeat<int16_t> PlayedCard{};

    // Waiting for the human.
    int16_t BidClicked = 0;
    // The card the human's accepted click chose, handed from the click to the waiting turn.
    int16_t CardClicked = 0;
    bool CardClickLock = false;
};

// The card played in Place (1 leads .. 4 last) of the trick led by Leader.
inline int16_t CardInPlace(const GameState& S, int Place) {
    return S.PlayedCard[static_cast<size_t>((S.Leader + Place - 1) % SeatCount)];
}
inline int16_t FirstCard(const GameState& S) {
    return CardInPlace(S, 1);
}
inline int16_t SecondCard(const GameState& S) {
    return CardInPlace(S, 2);
}
inline int16_t ThirdCard(const GameState& S) {
    return CardInPlace(S, 3);
}
inline int16_t FourthCard(const GameState& S) {
    return CardInPlace(S, 4);
}
// The trick in the order it was played.
inline std::array<int16_t, SeatCount> TrickInPlayOrder(const GameState& S) {
    return {FirstCard(S), SecondCard(S), ThirdCard(S), FourthCard(S)};
}

// The cards Seat holds, as the deck tells.
inline uint8_t CardsLeft(const GameState& S, uint8_t Seat) {
    uint8_t Left = 0;
    for (int K = 1; K <= CardCount; ++K)
        Left += S.Deck[K].Holder == Seat;
    return Left;
}

} // namespace tarnwick
