// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The south seat played by the computer players' own rules, through the very controls the human
// uses: a click on the bid panel and a click on a card.

#include "flow/Game.h"

#include <cstdint>
#include <string>

namespace tarnwick::sim {

class SouthSeat {
public:
    // What a computer player would bid with south's cards, its target adjustment included.
    static int16_t ChooseBid(const GameState& S);
    // The first card of south's hand that the rules allow now; 0 when there is none.
    static int16_t FirstLegalCard(const GameState& S);

    // The card the computer's rules would play for south now. The rules write the trick as they
    // choose, and nothing else: the trick's cards, the suit led and whether spades are broken.
    // Those are put back afterwards, so the table is left as it was found; far cheaper than
    // running the rules on a copy of the whole state with its card names. Play checks the two
    // ways against each other when asked to.
    static int16_t ChooseCardInPlace(GameState& S);

    void Bid(Game& G) const;
    // Clicks the chosen card; when the table refuses it, clicks the first legal card instead and
    // counts a fallback. False when no card was taken at all. With Verify the choice is made both
    // ways, in place and on a copy, and false is returned too when they differ or the table was
    // not left as it was found; Trouble() then tells which.
    bool Play(Game& G, bool Verify = false);
    const std::string& Trouble() const { return Problem; }

    uint64_t Fallbacks() const { return FallbackCount; }

private:
    // The copy of the table for that check; kept between calls, since assigning into it reuses
    // the memory of its card names.
    GameState Scratch;
    uint64_t FallbackCount = 0;
    std::string Problem;
};

} // namespace tarnwick::sim
