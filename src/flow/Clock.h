// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time as the game sees it: a millisecond tick counter that may wrap around, and one-shot timers.
// The window supplies a monotonic clock driven by its event loop; tests and the simulator supply
// a virtual one that jumps from timer to timer.

#include <cstdint>
#include <functional>

namespace tarnwick {

class Clock {
public:
    using TimerId = uint64_t;

    virtual ~Clock() = default;
    virtual uint32_t TickCount() = 0;
    // Calls Due once, no sooner than Ms milliseconds from now, from the event loop.
    virtual TimerId StartTimer(int Ms, std::function<void()> Due) = 0;
    virtual void CancelTimer(TimerId Id) = 0;
};

} // namespace tarnwick
