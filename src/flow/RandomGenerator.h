// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one random generator of a game, seeded once: from the clock in the window, from a fixed
// seed in tests and the simulator.

#include <cstdint>
#include <random>

namespace tarnwick {

class RandomGenerator {
public:
    explicit RandomGenerator(uint64_t Seed) : Engine(Seed) {}
    // A uniform value in [0, 1).
    // Built from 53 random bits, so 1.0 itself can never come out.
    double Uniform() { return static_cast<double>(Engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 Engine;
};

} // namespace tarnwick
