// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Card.h"

#include <cstdint>

namespace tarnwick {

// A computer player's bid from its dealt cards: one trick for every Ace and King it holds and one
// for the Queen of Spades, and never less than 1. It never bids nil.
int16_t BotsBids(const DeckOfCards& Deck, uint8_t WhichBot);

// A computer player that would land exactly on the target with one trick more bids one more.
int16_t AdjustedForTarget(int16_t Bid, int16_t Score, int16_t TargetScore);

} // namespace tarnwick
