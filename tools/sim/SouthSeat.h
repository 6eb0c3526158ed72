// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The south seat played by the computer players' own rules, through the very controls the human
// uses: a click on the bid panel and a click on a card.

#include "flow/Game.h"

#include <cstdint>

namespace tarnwick::sim {

class SouthSeat {
public:
    // What a computer player would bid with south's cards, its target adjustment included.
    static int16_t ChooseBid(const GameState& S);
    // The first card of south's hand that the rules allow now; 0 when there is none.
    static int16_t FirstLegalCard(const GameState& S);

    // The card the computer's rules would play for south now.
    static int16_t ChooseCard(const GameState& S);

    void Bid(Game& G) const;
    // Clicks the chosen card; when the table refuses it, clicks the first legal card instead and
    // counts a fallback. False when no card was taken at all.
    bool Play(Game& G);

    uint64_t Fallbacks() const { return FallbackCount; }

private:
    uint64_t FallbackCount = 0;
};

} // namespace tarnwick::sim
