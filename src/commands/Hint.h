// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What Rodrick, Desmond and Beatrix would do in the human's place: the bid their rules make from
// the human's cards, or the card their rules play from the human's hand. A hint only marks it with
// the keyboard's focus mark; the player still bids or plays it, with Return or a click.

#include "flow/Game.h"
#include "flow/Elements.h"

#include <optional>

namespace tarnwick {

// The bid number or card the computer's rules choose for the human now; nothing while the human
// has nothing to decide or the table is held.
std::optional<Clickable> HintFor(const Game& G);

// Marks the hint and says what it is. False when there is nothing to hint.
bool GiveHint(Game& G);

// Writes whether a hint is offered into the display model; run before each showing.
void ShowHintOffer(Game& G);

} // namespace tarnwick
