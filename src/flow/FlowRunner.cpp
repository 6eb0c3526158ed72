// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/FlowRunner.h"

#include <utility>

namespace tarnwick {

FlowRunner::~FlowRunner() {
    Abandon();
    for (const auto& [Key, Timer] : Posted)
        Time.CancelTimer(Timer);
}

void FlowRunner::Run(Task<> NewRoot) {
    Abandon();
    Root = std::move(NewRoot);
    Root.Start();
    StepDone();
}

void FlowRunner::Abandon() {
    ++Generation;
    if (Pending) Time.CancelTimer(std::exchange(Pending, 0));
    Suspended = {};
    WaitingForHuman = false;
    DueWhileHeld = false;
    InPause = false;
    Root.Reset();
}

void FlowRunner::SuspendFor(std::coroutine_handle<> H, uint32_t From, int Ms) {
    Suspended = H;
    PauseFrom = From;
    PauseMs = static_cast<uint32_t>(Ms);
    InPause = true;
    Arm();
}

// Only one pause is ever pending, so its span lives here and the timer carries no more than fits
// in a callback without an allocation of its own.
void FlowRunner::Arm() {
    const uint64_t Mine = Generation;
    const uint32_t Spent = Time.TickCount() - PauseFrom;
    const int Left = Spent >= PauseMs ? 0 : static_cast<int>(PauseMs - Spent);
    Pending = Time.StartTimer(Left, [this, Mine] {
        if (Mine != Generation) return;
        Pending = 0;
        if (Time.TickCount() - PauseFrom < PauseMs) {
            Arm();
            return;
        }
        Resume();
    });
}

bool FlowRunner::WakeHuman(HumanWait With) {
    if (!WaitingForHuman || Awaited != With || Pending) return false;
    const uint64_t Mine = Generation;
    Pending = Time.StartTimer(0, [this, Mine] {
        if (Mine != Generation) return;
        Pending = 0;
        WaitingForHuman = false;
        Resume();
    });
    return true;
}

void FlowRunner::Post(std::function<void()> Later) {
    const uint64_t Key = ++LastPosted;
    Posted[Key] = Time.StartTimer(0, [this, Key, Later = std::move(Later)] {
        Posted.erase(Key);
        Later();
        StepDone();
    });
}

void FlowRunner::Resume() {
    if (IsHeld) {
        DueWhileHeld = true;
        return;
    }
    InPause = false;
    if (auto H = std::exchange(Suspended, {})) {
        H.resume();
        StepDone();
    }
}

void FlowRunner::Hold() {
    IsHeld = true;
}

void FlowRunner::Release() {
    IsHeld = false;
    if (std::exchange(DueWhileHeld, false)) Resume();
}

void FlowRunner::Freeze() {
    if (IsFrozen) return;
    IsFrozen = true;
    FrozenAt = Time.TickCount();
    Hold();
}

// The pause starts that much later; a timer still pending finds it not yet over and is set again
// for the rest, and one that fired while frozen is set again here.
void FlowRunner::Thaw() {
    if (!IsFrozen) return;
    IsFrozen = false;
    if (InPause) {
        PauseFrom += Time.TickCount() - FrozenAt;
        if (std::exchange(DueWhileHeld, false)) {
            IsHeld = false;
            Arm();
            return;
        }
    }
    Release();
}

int FlowRunner::PauseLeft() const {
    if (!InPause) return 0;
    const uint32_t Now = IsFrozen ? FrozenAt : Time.TickCount();
    const uint32_t Spent = Now - PauseFrom;
    return Spent >= PauseMs ? 0 : static_cast<int>(PauseMs - Spent);
}

} // namespace tarnwick
