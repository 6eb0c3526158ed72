// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the game's coroutines on the event loop: one hand (or start-up) at a time, suspended at a
// timed pause or at a wait for the human, resumed by a timer or a click, and abandoned whole when
// a new game starts. A step of an abandoned flow can never run: its timer is cancelled, its frame
// destroyed and its generation retired.

#include "flow/Clock.h"
#include "flow/Task.h"

#include <coroutine>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace tarnwick {

// What the human is waiting to be asked for. An answer of another kind wakes nothing: a click
// on Continue can never answer a bid.
enum class HumanWait : uint8_t { Bid, Card, Continue, Question };

class FlowRunner {
public:
    explicit FlowRunner(Clock& Time) : Time(Time) {}
    FlowRunner(const FlowRunner&) = delete;
    FlowRunner& operator=(const FlowRunner&) = delete;
    ~FlowRunner();

    // Gives up whatever runs now and starts Root at once; it runs until its first wait.
    void Run(Task<> Root);
    void Abandon();
    bool Running() const { return !Root.Done(); }
    bool AwaitingHuman() const { return WaitingForHuman; }
    bool AwaitingHuman(HumanWait For) const { return WaitingForHuman && Awaited == For; }
    // Waits for that kind of answer and has not been given it yet: no answer is on its way.
    bool AwaitingAnswer(HumanWait For) const { return AwaitingHuman(For) && !Pending; }

    // Suspends the running coroutine until Ms milliseconds have passed since the tick StartTick.
    // The span is measured as an unsigned difference, so the wrap of the tick counter never
    // stalls it, and a timer that fires early is simply set again for the rest.
    auto Wait(uint32_t StartTick, int Ms) {
        struct Awaiter {
            FlowRunner& F;
            uint32_t From;
            int Ms;
            bool await_ready() const noexcept { return Ms <= 0; }
            void await_suspend(std::coroutine_handle<> H) { F.SuspendFor(H, From, Ms); }
            void await_resume() const noexcept {}
        };
        return Awaiter{*this, StartTick, Ms};
    }

    // Suspends the running coroutine until WakeHuman is called with the same kind of answer.
    auto WaitForHuman(HumanWait For) {
        struct Awaiter {
            FlowRunner& F;
            HumanWait For;
            bool await_ready() const noexcept { return false; }
            void await_suspend(std::coroutine_handle<> H) {
                F.Suspended = H;
                F.WaitingForHuman = true;
                F.Awaited = For;
            }
            void await_resume() const noexcept {}
        };
        return Awaiter{*this, For};
    }

    // The human has answered: the waiting coroutine goes on at the next turn of the event loop,
    // after the click that answered has been fully handled. False when nothing waits for this
    // kind of answer, or the answer is already on its way.
    bool WakeHuman(HumanWait With);

    // While a modal question is open the flow stands still; a pause that ran out meanwhile ends
    // as soon as it is released.
    void Hold();
    void Release();
    bool Held() const { return IsHeld; }

    // Stands still as Hold does, but the time stood still does not count against a pause under
    // way: once thawed, what was left of it runs out in full.
    void Freeze();
    void Thaw();
    bool Frozen() const { return IsFrozen; }
    // What is left of the pause under way, in milliseconds; 0 when none is.
    int PauseLeft() const;
    // The whole length of the pause under way; 0 when none is.
    int PauseLength() const { return InPause ? static_cast<int>(PauseMs) : 0; }

    // Told each time the game has gone as far as it can at once: a step changes the table only
    // here, so whoever shows the table (or fingerprints it) looks after each one.
    void SetAfterEachStep(std::function<void()> Hook) { AfterEachStep = std::move(Hook); }

    // Runs Later at the next turn of the event loop as a step of its own, told like every other.
    // It outlives an abandoned hand; only the end of the flow cancels it.
    void Post(std::function<void()> Later);

private:
    void SuspendFor(std::coroutine_handle<> H, uint32_t From, int Ms);
    void Arm();
    void Resume();
    void StepDone() {
        if (AfterEachStep) AfterEachStep();
    }

    Clock& Time;
    Task<> Root;
    std::coroutine_handle<> Suspended;
    Clock::TimerId Pending = 0;
    uint32_t PauseFrom = 0, PauseMs = 0;
    uint64_t Generation = 0;
    bool WaitingForHuman = false;
    HumanWait Awaited = HumanWait::Bid;
    bool IsHeld = false;
    bool DueWhileHeld = false;
    bool InPause = false;
    bool IsFrozen = false;
    uint32_t FrozenAt = 0;
    std::function<void()> AfterEachStep;
    std::map<uint64_t, Clock::TimerId> Posted;
    uint64_t LastPosted = 0;
};

} // namespace tarnwick
