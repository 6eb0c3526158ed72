// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pauses that pace the game, so a person can follow every step. Each step sets PauseMs for
// its own pauses and returns it to BasePause afterwards.

#include "flow/Game.h"

#include <cstdint>

namespace tarnwick {

namespace Pauses {
inline constexpr int16_t Base = 200;            // BasePause, the standard pause
inline constexpr int16_t Riffle = 500;          // while the riffle sounds
inline constexpr int16_t BeforeDealExtra = 100; // added to BasePause before the first card flies
inline constexpr int16_t DealtCard = 25;        // each of a dealt card's two waits
inline constexpr int16_t BiddingExtra = 600;    // added to BasePause after every bid
inline constexpr int16_t Trick = 500;           // from a trick's first computer card to its sweep
} // namespace Pauses

// Waits PauseMs milliseconds; no wait at all when PauseMs is 0 or less.
inline auto Pause(Game& G) {
    G.State.PauseStart = static_cast<int32_t>(G.Time.TickCount());
    return G.Steps.Wait(static_cast<uint32_t>(G.State.PauseStart), G.State.PauseMs);
}

// The sound of a card landing, then the same wait as Pause.
inline auto DealSound(Game& G) {
    G.Sounds.PlayWave(Wave::CardDeal);
    return Pause(G);
}

} // namespace tarnwick
