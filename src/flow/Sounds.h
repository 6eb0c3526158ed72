// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's three wave files and the bid beep. The game only asks for a sound; whether it can
// be played is the speaker's business and never the game's.

#include <cstdint>

namespace tarnwick {

enum class Wave : uint8_t { Riffle, CardDeal, RingOut };

constexpr const char* WaveFileName(Wave W) {
    switch (W) {
    case Wave::Riffle:
        return "Riffle.wav";
    case Wave::CardDeal:
        return "CardDeal1.wav";
    case Wave::RingOut:
        return "ringout.wav";
    }
    return "";
}

class Speaker {
public:
    virtual ~Speaker() = default;
    // Starts a wave at once and returns; a new wave ends the one still playing.
    virtual void PlayWave(Wave W) = 0;
    virtual void Beep() = 0;
};

} // namespace tarnwick
