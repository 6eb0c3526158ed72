#include "TestTable.h"

#include "state/Flow.h"
#include "state/Pacing.h"
#include "state/Task.h"
#include "state/VirtualClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using test::Table;
using Log = std::vector<std::string>;

// Pauses PauseMs and notes when the step after the pause ran.
Task<> PauseThenNote(Game& G, const VirtualClock& Time, int16_t Ms, std::vector<uint64_t>& Ends) {
    G.State.PauseMs = Ms;
    co_await Pause(G);
    Ends.push_back(Time.Elapsed());
}

// Notes in the log when the routine that owns it is gone, whether it finished or was given up.
struct Farewell {
    Log& Into;
    std::string Name;
    ~Farewell() { Into.push_back(Name + " gone"); }
};

Task<> InnerStep(Flow& F, Clock& Time, Log& Steps) {
    Farewell Bye{Steps, "inner"};
    Steps.push_back("inner waits");
    co_await F.Wait(Time.TickCount(), 200);
    Steps.push_back("inner goes on");
}

Task<> OuterStep(Flow& F, Clock& Time, Log& Steps) {
    Farewell Bye{Steps, "outer"};
    co_await InnerStep(F, Time, Steps);
    Steps.push_back("outer goes on");
}

Task<> AskHuman(Flow& F, const VirtualClock& Time, Log& Steps) {
    Steps.push_back("asks");
    co_await F.WaitForHuman(HumanWait::Card);
    Steps.push_back("answered at " + std::to_string(Time.Elapsed()));
}

Task<> WaitThenNote(Flow& F, VirtualClock& Time, int Ms, Log& Steps) {
    co_await F.Wait(Time.TickCount(), Ms);
    Steps.push_back("done at " + std::to_string(Time.Elapsed()));
}

// A clock whose timers fire up to 5 ms before they are due, as a coarse system timer may; a
// timer never fires at once when asked to wait.
class EarlyClock final : public Clock {
public:
    explicit EarlyClock(VirtualClock& Real) : Real(Real) {}
    uint32_t TickCount() override { return Real.TickCount(); }
    TimerId StartTimer(int Ms, std::function<void()> Due) override {
        ++Started;
        return Real.StartTimer(Ms - std::min(5, std::max(Ms - 1, 0)), std::move(Due));
    }
    void CancelTimer(TimerId Id) override { Real.CancelTimer(Id); }

    int Started = 0;

private:
    VirtualClock& Real;
};

TEST(Flow, PauseEndsExactlyWhenItsTimeIsUp) {
    for (const int16_t Ms : {int16_t{1}, int16_t{25}, int16_t{200}, int16_t{800}}) {
        SCOPED_TRACE(Ms);
        Table T;
        T.Clock.Advance(1000);
        std::vector<uint64_t> Ends;
        T.G.Steps.Run(PauseThenNote(T.G, T.Clock, Ms, Ends));
        EXPECT_EQ(T.G.State.PauseStart, 1000);
        T.Clock.Advance(static_cast<uint64_t>(Ms - 1));
        EXPECT_TRUE(Ends.empty());
        EXPECT_TRUE(T.G.Steps.Running());
        T.Clock.RunUntilIdle();
        EXPECT_EQ(Ends, std::vector<uint64_t>{1000u + static_cast<uint64_t>(Ms)});
        EXPECT_FALSE(T.G.Steps.Running());
    }
}

TEST(Flow, PauseOfNothingOrLessDoesNotWait) {
    for (const int16_t Ms : {int16_t{0}, int16_t{-1}, int16_t{-200}}) {
        SCOPED_TRACE(Ms);
        Table T;
        std::vector<uint64_t> Ends;
        T.G.Steps.Run(PauseThenNote(T.G, T.Clock, Ms, Ends));
        EXPECT_EQ(Ends, std::vector<uint64_t>{0});
        EXPECT_FALSE(T.G.Steps.Running());
        EXPECT_TRUE(T.Clock.Idle());
    }
}

TEST(Flow, PauseAcrossTheWrapOfTheTickCounterEndsOnTime) {
    const struct {
        uint32_t StartTick;
        int16_t Ms;
    } Cases[] = {{0xFFFFFF00u, 500}, {0xFFFFFFFFu, 200}, {0xFFFFFFFFu - 199, 200}, {0x7FFFFF9Cu, 200}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.StartTick);
        Table T(1, C.StartTick);
        std::vector<uint64_t> Ends;
        T.G.Steps.Run(PauseThenNote(T.G, T.Clock, C.Ms, Ends));
        T.Clock.Advance(static_cast<uint64_t>(C.Ms - 1));
        EXPECT_TRUE(Ends.empty());
        EXPECT_EQ(T.Clock.RunUntilIdle(), 1u);
        EXPECT_EQ(Ends, std::vector<uint64_t>{static_cast<uint64_t>(C.Ms)});
        EXPECT_EQ(T.Clock.TickCount(), C.StartTick + static_cast<uint32_t>(C.Ms));
    }
}

TEST(Flow, TimerThatFiresEarlyIsSetAgainForTheRest) {
    VirtualClock Real;
    EarlyClock Early(Real);
    Flow F(Early);
    Log Steps;
    F.Run(WaitThenNote(F, Real, 200, Steps));
    Real.Advance(199);
    EXPECT_TRUE(Steps.empty());
    Real.RunUntilIdle();
    EXPECT_EQ(Steps, Log{"done at 200"});
    EXPECT_GT(Early.Started, 1);
}

TEST(Flow, AbandonedFlowIsDestroyedWithItsTimer) {
    VirtualClock Time;
    Flow F(Time);
    Log Steps;
    F.Run(OuterStep(F, Time, Steps));
    Time.Advance(100);
    EXPECT_EQ(Steps, Log{"inner waits"});
    F.Abandon();
    EXPECT_EQ(Steps, (Log{"inner waits", "inner gone", "outer gone"}));
    EXPECT_FALSE(F.Running());
    EXPECT_TRUE(Time.Idle());
    EXPECT_EQ(Time.RunUntilIdle(), 0u);
    EXPECT_EQ(Steps.size(), 3u);
}

TEST(Flow, FinishedFlowRunsEveryStepInOrder) {
    VirtualClock Time;
    Flow F(Time);
    Log Steps;
    F.Run(OuterStep(F, Time, Steps));
    EXPECT_EQ(Time.RunUntilIdle(), 200u);
    EXPECT_EQ(Steps, (Log{"inner waits", "inner goes on", "inner gone", "outer goes on", "outer gone"}));
    EXPECT_FALSE(F.Running());
}

TEST(Flow, RunGivesUpTheFlowBeforeIt) {
    VirtualClock Time;
    Flow F(Time);
    Log Old, New;
    F.Run(OuterStep(F, Time, Old));
    Time.Advance(150);
    F.Run(WaitThenNote(F, Time, 100, New));
    EXPECT_EQ(Old, (Log{"inner waits", "inner gone", "outer gone"}));
    Time.RunUntilIdle();
    EXPECT_EQ(New, Log{"done at 250"});
    EXPECT_EQ(Old.size(), 3u);
}

TEST(Flow, HumanAnswerGoesOnAtTheNextTurnOfTheLoop) {
    VirtualClock Time;
    Flow F(Time);
    Log Steps;
    F.Run(AskHuman(F, Time, Steps));
    EXPECT_EQ(Time.RunUntilIdle(), 0u);
    Time.Advance(300);
    EXPECT_TRUE(F.AwaitingHuman());
    EXPECT_TRUE(Time.Idle());

    // Only an answer of the kind asked for is heard.
    F.WakeHuman(HumanWait::Continue);
    F.WakeHuman(HumanWait::Bid);
    EXPECT_TRUE(Time.Idle());
    F.WakeHuman(HumanWait::Card);
    F.WakeHuman(HumanWait::Card);
    EXPECT_EQ(Steps, Log{"asks"});
    EXPECT_TRUE(F.AwaitingHuman());
    EXPECT_FALSE(Time.Idle());
    Time.Advance(0);
    EXPECT_EQ(Steps, (Log{"asks", "answered at 300"}));
    EXPECT_FALSE(F.AwaitingHuman());
    EXPECT_FALSE(F.Running());
    EXPECT_TRUE(Time.Idle());
}

TEST(Flow, WakingNobodyDoesNothing) {
    VirtualClock Time;
    Flow F(Time);
    Log Steps;
    F.WakeHuman(HumanWait::Card);
    EXPECT_TRUE(Time.Idle());
    F.Run(WaitThenNote(F, Time, 100, Steps));
    F.WakeHuman(HumanWait::Card);
    Time.Advance(99);
    EXPECT_TRUE(Steps.empty());
    Time.RunUntilIdle();
    EXPECT_EQ(Steps, Log{"done at 100"});
}

TEST(Flow, AnswerGivenUpBeforeItsTurnNeverArrives) {
    VirtualClock Time;
    Flow F(Time);
    Log Steps;
    F.Run(AskHuman(F, Time, Steps));
    F.WakeHuman(HumanWait::Card);
    F.Abandon();
    EXPECT_TRUE(Time.Idle());
    Time.RunUntilIdle();
    EXPECT_EQ(Steps, Log{"asks"});
    EXPECT_FALSE(F.AwaitingHuman());
}

TEST(Flow, HeldFlowStandsStillUntilReleased) {
    VirtualClock Time;
    Flow F(Time);
    Log Steps;
    F.Run(WaitThenNote(F, Time, 200, Steps));
    Time.Advance(50);
    F.Hold();
    Time.Advance(350);
    EXPECT_TRUE(Steps.empty());
    EXPECT_TRUE(F.Held());
    EXPECT_TRUE(F.Running());
    F.Release();
    EXPECT_EQ(Steps, Log{"done at 400"});
    EXPECT_FALSE(F.Held());
}

TEST(Flow, ReleasedBeforeThePauseRunsOutEndsOnTime) {
    VirtualClock Time;
    Flow F(Time);
    Log Steps;
    F.Run(WaitThenNote(F, Time, 200, Steps));
    Time.Advance(50);
    F.Hold();
    Time.Advance(50);
    F.Release();
    EXPECT_TRUE(Steps.empty());
    Time.RunUntilIdle();
    EXPECT_EQ(Steps, Log{"done at 200"});
}

TEST(Flow, HumanAnswerWhileHeldIsTakenAtRelease) {
    VirtualClock Time;
    Flow F(Time);
    Log Steps;
    F.Run(AskHuman(F, Time, Steps));
    F.Hold();
    F.WakeHuman(HumanWait::Card);
    Time.Advance(500);
    EXPECT_EQ(Steps, Log{"asks"});
    F.Release();
    EXPECT_EQ(Steps, (Log{"asks", "answered at 500"}));
}

} // namespace
