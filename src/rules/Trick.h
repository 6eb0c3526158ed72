// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A card joining the trick, and who takes the trick.

#include "rules/GameState.h"

#include <cstdint>

namespace tarnwick {

// The chosen card CardNo leaves Seat's hand for place Place of the trick (1 leads .. 4 last): it
// becomes the seat's played card (a lead sets the suit led too), the card counts as played, and a
// spade breaks spades. Only the state: the card's picture, sound and pauses are the caller's.
void MoveToTrick(GameState& S, uint8_t Seat, int16_t CardNo, int Place);

// The highest spade wins, else the highest card of the suit led.
uint8_t GetWinner(const GameState& S);

} // namespace tarnwick
