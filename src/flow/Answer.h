// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's answer to a question of the game, and what the game does with it.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarnwick {

struct Game;

struct Answer {
    // The button clicked, 0 for the first; for the name box 0 is OK and 1 Cancel.
    int Button = 0;
    // The name typed, when OK was clicked on the name box.
    std::optional<std::string> Typed;
};

using FollowUp = std::function<void(Game&, const Answer&)>;

// The question open now, as Questions opened it: which box asks it and, for the message box, its
// buttons (an empty caption shows no button). The game asks this, never the display model.
struct OpenQuestion {
    enum class Box : uint8_t { None, Message, Name };
    Box Open = Box::None;
    std::array<std::string, 3> Captions;
};

} // namespace tarnwick
