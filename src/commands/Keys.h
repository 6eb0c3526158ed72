// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game played by keys: the arrows and their kin move a focus mark over the cards of the hand,
// the numbers of the bid panel and the buttons of the message box, and Return or Space takes the
// marked one. What a key takes is handed to the game as the click on it would be, so a key is
// refused, held or locked exactly where a click is.

#include "flow/Game.h"
#include "flow/Elements.h"

#include <cstdint>
#include <optional>

namespace tarnwick {

enum class Key : uint8_t {
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    Tab,
    BackTab,
    Return,
    Space,
    Escape,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    N,
};

// Where the keys act now: the open message box, the statistics frame, the results, the bid
// panel, or the hand while the human is to play. Nowhere while the game stands still behind a
// modal window or nothing waits for the human.
enum class KeyPlace : uint8_t { None, MessageBox, Statistics, Results, Bids, Hand };
KeyPlace KeysActIn(const Game& G);

// The key pressed. False when nothing at the table takes it, so the window may give it to others.
bool PressKey(Game& G, Key Pressed);

// A click of the mouse: the mark hides until a key is used again.
void MouseUsed(Game& G);

// Puts the mark where the focus of the place in play lies, or hides it. Run after every step of
// the game and every key, so the mark follows the turns.
void ShowFocus(Game& G);

// The bid number an arrow goes to from From, as the numbers lie on the panel: six to a row, 12
// and 13 under 8 and 9.
int BidNumberFrom(int From, Key Arrow);

} // namespace tarnwick
