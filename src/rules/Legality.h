// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which card the human may play, told from the state alone.

#include "rules/GameState.h"

#include <cstdint>

namespace tarnwick {

// The human's place in the trick now, 1 (the human leads) to 4, told from the cards left in each
// hand: every seat that has played to the trick holds one card fewer than the human. Meant for the
// play of a hand, once all its cards are dealt.
int HumanPlaceInTrick(const GameState& S);

// Follow suit when able; no spade lead before spades are broken unless the hand holds only spades.
bool IsLegalForHuman(const GameState& S, int16_t CardNo, bool Leading);

} // namespace tarnwick
