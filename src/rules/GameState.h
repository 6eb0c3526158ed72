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
    BySeat<uint8_t> CardsLeft{};
    BySeat<int16_t> HandScore{};
    BySeat<bool> BagPenalty{};
    uint8_t FirstLeader = 0;
    uint8_t Bidder = 0;
    bool SpadesBroken = false;
    TricksPlayed Played;

    // Kept for one trick.
    uint8_t Leader = 0;
    uint8_t SuitLed = 0;
    int16_t FirstCard = 0;
    int16_t SecondCard = 0;
    int16_t ThirdCard = 0;
    int16_t FourthCard = 0;
    BySeat<int16_t> PlayedCard{};

    // Waiting for the human.
    int16_t BidClicked = 0;
    // The card the human's accepted click chose, handed from the click to the waiting turn.
    int16_t CardClicked = 0;
    bool CardClickLock = false;

    // Pacing.
    int16_t PauseMs = 0;
    int32_t PauseStart = 0;
};

} // namespace tarnwick
