// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// South is the human; Rodrick, Desmond and Beatrix follow clockwise. Dealing, bidding and play all
// go round in this order.

#include <cstdint>

namespace tarnwick {

inline constexpr int SeatCount = 4;
inline constexpr uint8_t Human = 0, West = 1, North = 2, East = 3;

constexpr uint8_t NextSeat(uint8_t Seat) {
    return static_cast<uint8_t>((Seat + 1) % SeatCount);
}

} // namespace tarnwick
