// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a hand history back and checks it: every line one JSON object with exactly the keys of
// its type, in order, and the games in it whole and consistent with the rules: the deal, every
// bid, every card played, every trick's winner, every score, the end of every game and its money.

#include <cstdint>
#include <istream>
#include <string>

namespace tarnwick::sim {

struct LogReport {
    uint64_t Lines = 0, Games = 0, Hands = 0, Tricks = 0;
    // Empty when the whole history is sound; else the first thing amiss, with its line number.
    std::string Error;
};

LogReport CheckLog(std::istream& In);

} // namespace tarnwick::sim
