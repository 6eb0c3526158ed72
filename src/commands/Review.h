// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A look back over the tricks of the hand: the last finished trick first, then any earlier one,
// face up on the felt. While it is open the game stands still as behind a message box, and a
// pause under way keeps what was left of it; closed, the game goes on exactly where it was.

#include "flow/Game.h"

namespace tarnwick {

// A trick of this hand has been finished and nothing else holds the table.
bool CanReview(const Game& G);
bool Reviewing(const Game& G);

// Opens on the last finished trick. False, and nothing opened, when there is nothing to review.
bool OpenReview(Game& G);
// Goes By tricks back (negative) or on, stopping at the first and the last.
void StepReview(Game& G, int By);
void CloseReview(Game& G);

// Writes the review and whether it is offered into the display model; run before each showing.
void ShowReview(Game& G);

// "Trick 7 of 13 — led by Rodrick, won by Beatrix" for the hand's trick Index (0 for its first).
std::string ReviewCaption(const GameState& S, int Index);

} // namespace tarnwick
