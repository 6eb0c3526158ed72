// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The finished tricks of the hand being played, kept for the player to look back on: who led,
// each seat's card and who won. Written as each trick ends and emptied as each hand is dealt.

#include "rules/Seats.h"

#include <array>
#include <cstdint>

namespace tarnwick {

struct FinishedTrick {
    uint8_t Leader = 0;
    // Indexed by seat, not by the order of play.
    std::array<int16_t, SeatCount> Cards{};
    uint8_t Winner = 0;
    bool operator==(const FinishedTrick&) const = default;
};

struct TricksPlayed {
    std::array<FinishedTrick, 13> Tricks{};
    uint8_t Count = 0;

    void Add(const FinishedTrick& Done) {
        if (Count < Tricks.size()) Tricks[Count++] = Done;
    }
};

} // namespace tarnwick
