// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The human's card: a click on it, whether the rules allow it, and its way to the table.

#include "state/Game.h"
#include "state/Task.h"

namespace tarnwick {

// A click on card CardNo. Heard only for a card in the human's hand while the human is to play;
// a card the rules refuse leaves everything as it was but the message.
void Cds_Click(Game& G, int CardNo);

// The human's place in the trick now, 1 (the human leads) to 4, told from the cards left in each
// hand: every seat that has played to the trick holds one card fewer than the human.
int HumanPlaceInTrick(const GameState& S);

// Follow suit when able; no spade lead before spades are broken unless the hand holds only spades.
bool IsLegalForHuman(const GameState& S, int16_t CardNo, bool Leading);

// The human's turn in place Place (1 leads .. 4 last): the prompt, the wait for a legal card, and
// the card put on the table.
Task<> HumanTurn(Game& G, int Place);

} // namespace tarnwick
