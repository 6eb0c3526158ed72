// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pauses that pace the game, so a person can follow every step. Each pause is named where it
// is awaited; its length is one of these.

#include "flow/Game.h"

#include <cstdint>

namespace tarnwick {

namespace Pauses {
inline constexpr int16_t Base = 200;            // BasePause, the standard pause
inline constexpr int16_t Riffle = 500;          // while the riffle sounds
inline constexpr int16_t BeforeDealExtra = 100; // added to BasePause before the first card flies
inline constexpr int16_t DealtCard = 25;        // each of a dealt card's two waits
inline constexpr int16_t BiddingExtra = 600;    // added to BasePause after every bid
inline constexpr int16_t Trick = 500;           // each computer card, then the trick's end and sweep

inline int BeforeDeal(const GameState& S) {
    return S.BasePause + BeforeDealExtra;
}

// After the human's box is refreshed and after a computer player's bid alike.
inline int Bidding(const GameState& S) {
    return S.BasePause + BiddingExtra;
}

// The human's card has never had a pause of its own: it has always waited as long as the step
// before it left the game's pace. Leading, that step is the bidding or a sweep, both of which end
// on BasePause; following, it is a computer player's card, which leaves the trick's pause.
inline int LeftForHumanCard(const GameState& S, int Place) {
    return Place == 1 ? S.BasePause : Trick;
}
} // namespace Pauses

// Waits Ms milliseconds from now; no wait at all when Ms is 0 or less.
inline auto Pause(Game& G, int Ms) {
    return G.Flow.Wait(G.Time.TickCount(), Ms);
}

// The sound of a card landing, then the same wait as Pause.
inline auto DealSound(Game& G, int Ms) {
    G.Sounds.PlayWave(Wave::CardDeal);
    return Pause(G, Ms);
}

} // namespace tarnwick
