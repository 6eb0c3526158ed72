#include "state/VirtualClock.h"

#include <algorithm>

namespace tarnwick {

Clock::TimerId VirtualClock::StartTimer(int Ms, std::function<void()> Due) {
    const uint64_t At = Total + static_cast<uint64_t>(std::max(Ms, 0));
    Timers.emplace(std::make_pair(At, ++LastId), std::move(Due));
    return LastId;
}

void VirtualClock::CancelTimer(TimerId Id) {
    std::erase_if(Timers, [Id](const auto& Entry) { return Entry.first.second == Id; });
}

bool VirtualClock::RunNext(uint64_t Until) {
    if (Timers.empty() || Timers.begin()->first.first > Until) return false;
    auto Node = Timers.extract(Timers.begin());
    Now += static_cast<uint32_t>(Node.key().first - Total);
    Total = Node.key().first;
    Node.mapped()();
    return true;
}

void VirtualClock::Advance(uint64_t Ms) {
    const uint64_t Until = Total + Ms;
    while (RunNext(Until)) {
    }
    Now += static_cast<uint32_t>(Until - Total);
    Total = Until;
}

uint64_t VirtualClock::RunUntilIdle(uint64_t Limit) {
    const uint64_t From = Total;
    while (RunNext(From + Limit)) {
    }
    return Total - From;
}

} // namespace tarnwick
