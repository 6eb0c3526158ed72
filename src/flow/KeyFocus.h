// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the keyboard's focus rests in each place of the table: the card of the hand, the number
// of the bid panel and the button of the message box. Kept from turn to turn; the keys move it.

#include <cstdint>

namespace tarnwick {

struct KeyFocus {
    // A key has been used since the last mouse click, so the mark shows.
    bool KeysUsed = false;
    // A card number, 0 until a key has marked one.
    int16_t Card = 0;
    // 0 (Nil) to 13.
    int Bid = 0;
    // The message box's button, 0 to 2; every new box starts on its first.
    int Button = 0;
};

} // namespace tarnwick
