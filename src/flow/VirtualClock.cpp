// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/VirtualClock.h"

#include <algorithm>
#include <limits>

namespace tarnwick {

Clock::TimerId VirtualClock::StartTimer(int Ms, std::function<void()> Due) {
    Timers.push_back({Total + static_cast<uint64_t>(std::max(Ms, 0)), ++LastId, std::move(Due)});
    std::push_heap(Timers.begin(), Timers.end(), RunsLater);
    return LastId;
}

void VirtualClock::CancelTimer(TimerId Id) {
    if (std::erase_if(Timers, [Id](const Timer& T) { return T.Id == Id; }) != 0)
        std::make_heap(Timers.begin(), Timers.end(), RunsLater);
}

bool VirtualClock::RunNextBy(uint64_t Until) {
    if (Timers.empty() || Timers.front().At > Until) return false;
    std::pop_heap(Timers.begin(), Timers.end(), RunsLater);
    Timer Next = std::move(Timers.back());
    Timers.pop_back();
    Now += static_cast<uint32_t>(Next.At - Total);
    Total = Next.At;
    Next.Due();
    return true;
}

void VirtualClock::Advance(uint64_t Ms) {
    const uint64_t Until = Total + Ms;
    while (RunNextBy(Until)) {
    }
    Now += static_cast<uint32_t>(Until - Total);
    Total = Until;
}

bool VirtualClock::RunNext() {
    return RunNextBy(std::numeric_limits<uint64_t>::max());
}

uint64_t VirtualClock::RunUntilIdle(uint64_t Limit) {
    const uint64_t From = Total;
    while (RunNextBy(From + Limit)) {
    }
    return Total - From;
}

} // namespace tarnwick
