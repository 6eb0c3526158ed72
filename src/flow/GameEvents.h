// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What happened at the table, told as it happens to whoever listens: the simulator keeps its
// hand histories from these. The window needs none of them; it draws the display model.

#include "rules/GameState.h"

#include <array>
#include <cstdint>

namespace tarnwick {

class GameEvents {
public:
    virtual ~GameEvents() = default;
    virtual void CardDealt(uint8_t /*Seat*/, int16_t /*CardNo*/) {}
    // Every seat has bid; the bids are in the state.
    virtual void BiddingDone(const GameState& /*S*/) {}
    // Cards in the order they were played, beginning with the leader's.
    virtual void TrickDone(uint8_t /*Leader*/, const std::array<int16_t, 4>& /*Cards*/, uint8_t /*Winner*/) {}
    // The hand has been scored; the bag penalties of this hand are still marked.
    virtual void HandScored(const GameState& /*S*/) {}
    // The last hand ended in a shared score: another hand is announced.
    virtual void DrawAnnounced(const GameState& /*S*/) {}
    // The game is over; Winner is -1 when the highest score was shared.
    virtual void GameOver(const GameState& /*S*/, const BySeat<int16_t>& /*FinalScore*/, int /*Winner*/) {}
};

} // namespace tarnwick
