// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock that only moves when told to: a whole hand runs in microseconds and every pause can be
// measured to the millisecond.

#include "flow/Clock.h"

#include <vector>

namespace tarnwick {

class VirtualClock final : public Clock {
public:
    explicit VirtualClock(uint32_t StartTick = 0) : Now(StartTick) {}

    uint32_t TickCount() override { return Now; }
    TimerId StartTimer(int Ms, std::function<void()> Due) override;
    void CancelTimer(TimerId Id) override;

    // Runs every timer due within Ms milliseconds, in order of due time, then sets the clock to
    // the end of that span.
    void Advance(uint64_t Ms);
    // Runs timers until none is left, or until Limit milliseconds have passed; returns the
    // milliseconds that passed.
    uint64_t RunUntilIdle(uint64_t Limit = 24ull * 3600 * 1000);
    // Runs the earliest timer alone, however far off, the clock set to its due time; false when
    // there is none. For an event loop that runs one timer a turn.
    bool RunNext();
    bool Idle() const { return Timers.empty(); }
    // Milliseconds since the clock was made, without the wrap of the tick counter.
    uint64_t Elapsed() const { return Total; }

private:
    bool RunNextBy(uint64_t Until);

    struct Timer {
        uint64_t At;
        TimerId Id;
        std::function<void()> Due;
    };
    // Ordered by (due time, order of starting), so timers due together run first come, first
    // served; the earliest sits at the front of the heap.
    static bool RunsLater(const Timer& A, const Timer& B) { return A.At != B.At ? A.At > B.At : A.Id > B.Id; }

    uint32_t Now;
    uint64_t Total = 0;
    TimerId LastId = 0;
    std::vector<Timer> Timers;
};

} // namespace tarnwick
