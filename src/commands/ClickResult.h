// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What became of a click, a key's take or a menu command.

#include <cstdint>

namespace tarnwick {

enum class ClickResult : uint8_t {
    // It did something: a card played, a bid made, a box answered, a command carried out or asked.
    Taken,
    // The game said no to the player, as to a card the rules do not allow.
    Refused,
    // Nothing to do: hidden, held, locked, resting or out of range.
    Ignored,
};

// Taken when the command did what it was asked (opened its question, say), else Ignored.
constexpr ClickResult TakenIf(bool Done) {
    return Done ? ClickResult::Taken : ClickResult::Ignored;
}

} // namespace tarnwick
