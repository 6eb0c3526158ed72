// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sounds whole games ask for, hand by hand, on the game's own clock: the simulator plays the
// games (the south seat by the computer's rules) and every sound it asks for is kept with its
// time and whether it follows an answer of the human.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick::sound {

struct GameSound {
    std::string Sound;    // "Riffle.wav", "CardDeal1.wav", "ringout.wav" or "beep"
    uint64_t AtMs = 0;    // virtual milliseconds since the table was made
    bool AfterHuman = false;
};

struct HandSounds {
    std::vector<GameSound> Sounds; // from the hand's riffle to the next hand's
    bool LastOfGame = false;       // its results are followed by the game's end and its boxes
};

// Every hand of Games whole games to the target Target, from the riffle on.
std::vector<HandSounds> HandsPlayed(uint64_t Seed, int Games, int16_t Target);

} // namespace tarnwick::sound
