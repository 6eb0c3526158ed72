#include "state/Flow.h"

#include <utility>

namespace tarnwick {

void Flow::Run(Task<> NewRoot) {
    Abandon();
    Root = std::move(NewRoot);
    Root.Start();
}

void Flow::Abandon() {
    ++Generation;
    if (Pending) Time.CancelTimer(std::exchange(Pending, 0));
    Suspended = {};
    WaitingForHuman = false;
    DueWhileHeld = false;
    Root.Reset();
}

void Flow::SuspendFor(std::coroutine_handle<> H, uint32_t From, int Ms) {
    Suspended = H;
    Arm(From, Ms);
}

void Flow::Arm(uint32_t From, int Ms) {
    const uint64_t Mine = Generation;
    const uint32_t Spent = Time.TickCount() - From;
    const int Left = Spent >= static_cast<uint32_t>(Ms) ? 0 : Ms - static_cast<int>(Spent);
    Pending = Time.StartTimer(Left, [this, Mine, From, Ms] {
        if (Mine != Generation) return;
        Pending = 0;
        if (Time.TickCount() - From < static_cast<uint32_t>(Ms)) {
            Arm(From, Ms);
            return;
        }
        Resume();
    });
}

void Flow::WakeHuman(HumanWait With) {
    if (!WaitingForHuman || Awaited != With || Pending) return;
    const uint64_t Mine = Generation;
    Pending = Time.StartTimer(0, [this, Mine] {
        if (Mine != Generation) return;
        Pending = 0;
        WaitingForHuman = false;
        Resume();
    });
}

void Flow::Resume() {
    if (IsHeld) {
        DueWhileHeld = true;
        return;
    }
    if (auto H = std::exchange(Suspended, {})) H.resume();
}

void Flow::Hold() { IsHeld = true; }

void Flow::Release() {
    IsHeld = false;
    if (std::exchange(DueWhileHeld, false)) Resume();
}

} // namespace tarnwick
