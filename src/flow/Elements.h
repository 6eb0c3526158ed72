// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything at the table the player can click, each by its own name, with the menu commands
// beside them. The window, the simulator and the tests all hand a click to the game as one of
// these; the game never asks which widget it came from.

#include <cstdint>

namespace tarnwick {

enum class Element : uint8_t {
    Card,            // Cds(Index), 1 to 52
    BidNumber,       // LblBids(Index): Nil, then 1 to 13
    Continue,        // CmdClose, under the results of a hand
    CloseStatistics, // Command1, on the statistics frame
    MessageButton,   // Label1(Index), the message box's buttons 0 to 2
    NewGame,
    Exit,
    ChangeName,
    Target300,
    Target200,
    Target100,
    Statistics,
    DeleteStatistics,
};

struct Clickable {
    Element What = Element::Card;
    int Index = 0;
    bool operator==(const Clickable&) const = default;
};

} // namespace tarnwick
