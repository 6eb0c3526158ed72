// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bidding of a hand: each seat in turn from the seat after the dealer, the human on the bid
// panel, the computer players by their cards and the target.

#include "flow/Game.h"
#include "flow/Task.h"

namespace tarnwick {

Task<> GetAllBids(Game& G);
// Shows the bid panel and waits for a click on one of its numbers.
Task<int16_t> GetPlayerBid(Game& G);

} // namespace tarnwick
