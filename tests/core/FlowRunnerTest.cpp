// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestTable.h"

#include "flow/FlowRunner.h"
#include "flow/Pacing.h"
#include "flow/Task.h"
#include "flow/VirtualClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using test::Table;
using Log = std::vector<std::string>;

// Notes in the log when the routine that owns it is gone, whether it finished or was given up.
struct Farewell {
    Log& Into;
    std::string Name;
    ~Farewell() { Into.push_back(Name + " gone"); }
};

Task<> InnerStep(FlowRunner& F, Clock& Time, Log& Steps) {
    Farewell Bye{Steps, "inner"};
    Steps.push_back("inner waits");
    co_await F.Wait(Time.TickCount(), 200);
    Steps.push_back("inner goes on");
}

Task<> OuterStep(FlowRunner& F, Clock& Time, Log& Steps) {
    Farewell Bye{Steps, "outer"};
    co_await InnerStep(F, Time, Steps);
    Steps.push_back("outer goes on");
}

Task<> AskHuman(FlowRunner& F, const VirtualClock& Time, Log& Steps) {
    Steps.push_back("asks");
    co_await F.WaitForHuman(HumanWait::Card);
    Steps.push_back("answered at " + std::to_string(Time.Elapsed()));
}

Task<> WaitThenNote(FlowRunner& F, VirtualClock& Time, int Ms, Log& Steps) {
    co_await F.Wait(Time.TickCount(), Ms);
    Steps.push_back("done at " + std::to_string(Time.Elapsed()));
}

struct FlowTest : ::testing::Test {
    VirtualClock Time;
    FlowRunner F{Time};
    Log Steps;
};

// A clock whose timers fire up to 5 ms before they are due, as a coarse system timer may; a
// timer never fires at once when asked to wait.
class EarlyClock final : public Clock {
public:
    explicit EarlyClock(VirtualClock& Real) : Real(Real) {}
    uint32_t TickCount() override { return Real.TickCount(); }
    TimerId StartTimer(int Ms, std::function<void()> Due) override {
        return Real.StartTimer(Ms - std::min(5, std::max(Ms - 1, 0)), std::move(Due));
    }
    void CancelTimer(TimerId Id) override { Real.CancelTimer(Id); }

private:
    VirtualClock& Real;
};

Task<> PauseThenNote(Game& G, const VirtualClock& Time, int16_t Ms, std::vector<uint64_t>& Ends) {
    co_await Pause(G, Ms);
    Ends.push_back(Time.Elapsed());
}

// A pause ends exactly when its time is up, measured across the wrap of the tick counter; one of
// nothing or less does not wait at all.
TEST(Pause, EndsExactlyWhenItsTimeIsUp) {
    const struct {
        uint32_t StartTick;
        int16_t Ms;
    } Cases[] = {{1000, 1},         {1000, 25},         {1000, 800},        {1000, 0},
                 {1000, -200},      {0xFFFFFF00u, 500}, {0xFFFFFFFFu, 200}, {0xFFFFFFFFu - 199, 200},
                 {0x7FFFFF9Cu, 200}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(std::to_string(C.StartTick) + " " + std::to_string(C.Ms));
        Table T(1, C.StartTick);
        std::vector<uint64_t> Ends;
        T.G.Flow.Run(PauseThenNote(T.G, T.Clock, C.Ms, Ends));
        const uint64_t Due = static_cast<uint64_t>(std::max<int16_t>(C.Ms, 0));
        if (Due > 0) {
            T.Clock.Advance(Due - 1);
            EXPECT_TRUE(Ends.empty());
        }
        T.Clock.RunUntilIdle();
        EXPECT_EQ(Ends, std::vector<uint64_t>{Due});
        EXPECT_EQ(T.Clock.TickCount(), C.StartTick + static_cast<uint32_t>(Due));
    }
}

TEST(FlowRunner, TimerThatFiresEarlyIsSetAgainForTheRest) {
    VirtualClock Real;
    EarlyClock Early(Real);
    FlowRunner F(Early);
    Log Steps;
    F.Run(WaitThenNote(F, Real, 200, Steps));
    Real.Advance(199);
    EXPECT_TRUE(Steps.empty());
    Real.RunUntilIdle();
    EXPECT_EQ(Steps, Log{"done at 200"});
}

// Whoever shows the table is told after each step the flow runs, and only then: after Run, at a
// pause's end and at an answer's turn, not while the flow is held and nothing runs.
TEST_F(FlowTest, TellsAfterEveryStepItRuns) {
    F.SetAfterEachStep([this] { Steps.push_back("told"); });
    F.Run(WaitThenNote(F, Time, 200, Steps));
    F.Hold();
    Time.Advance(300);
    EXPECT_EQ(Steps, Log{"told"});
    F.Release();
    EXPECT_EQ(Steps, (Log{"told", "done at 300", "told"}));

    Steps.clear();
    F.Run(AskHuman(F, Time, Steps));
    F.WakeHuman(HumanWait::Card);
    Time.RunUntilIdle();
    EXPECT_EQ(Steps, (Log{"asks", "told", "answered at 300", "told"}));
}

// An event loop that runs one timer a turn: the earliest first however far off, timers due
// together first come, first served.
TEST(VirtualClock, RunNextRunsTheEarliestTimerAlone) {
    VirtualClock Time(1000);
    Log Ran;
    Time.StartTimer(300, [&Ran] { Ran.push_back("at 300"); });
    Time.StartTimer(100, [&Ran] { Ran.push_back("first at 100"); });
    Time.StartTimer(100, [&Ran] { Ran.push_back("second at 100"); });
    EXPECT_TRUE(Time.RunNext());
    EXPECT_EQ(Ran, Log{"first at 100"});
    EXPECT_EQ(Time.Elapsed(), 100u);
    EXPECT_EQ(Time.TickCount(), 1100u);
    EXPECT_TRUE(Time.RunNext());
    EXPECT_TRUE(Time.RunNext());
    EXPECT_EQ(Ran, (Log{"first at 100", "second at 100", "at 300"}));
    EXPECT_EQ(Time.TickCount(), 1300u);
    EXPECT_FALSE(Time.RunNext());
    EXPECT_TRUE(Time.Idle());
}

// Given up in a pause, by Abandon or by the next Run, and with an answer waiting for its turn:
// nothing of it runs later, and a pause cannot be woken early.
TEST_F(FlowTest, AbandonedFlowIsDestroyedWithItsTimer) {
    F.Run(OuterStep(F, Time, Steps));
    Time.Advance(100);
    F.Abandon();
    EXPECT_EQ(Steps, (Log{"inner waits", "inner gone", "outer gone"}));
    EXPECT_FALSE(F.Running());
    EXPECT_TRUE(Time.Idle());

    F.Run(AskHuman(F, Time, Steps));
    F.WakeHuman(HumanWait::Card);
    F.Abandon();
    EXPECT_TRUE(Time.Idle());
    EXPECT_FALSE(F.AwaitingHuman());
    EXPECT_EQ(Steps.back(), "asks");

    Log New;
    F.Run(OuterStep(F, Time, Steps));
    Time.Advance(150);
    F.Run(WaitThenNote(F, Time, 100, New));
    F.WakeHuman(HumanWait::Card);
    Time.RunUntilIdle();
    EXPECT_EQ(New, Log{"done at 350"});
    EXPECT_EQ(Steps.size(), 7u);
}

// Only an answer of the kind asked for is heard, once, at the next turn of the event loop.
TEST_F(FlowTest, HumanAnswerGoesOnAtTheNextTurnOfTheLoop) {
    F.WakeHuman(HumanWait::Card);
    F.Run(AskHuman(F, Time, Steps));
    Time.Advance(300);
    for (const HumanWait Other : {HumanWait::Bid, HumanWait::Continue, HumanWait::Question}) {
        EXPECT_FALSE(F.AwaitingHuman(Other));
        F.WakeHuman(Other);
    }
    EXPECT_TRUE(Time.Idle());
    F.WakeHuman(HumanWait::Card);
    F.WakeHuman(HumanWait::Card);
    EXPECT_EQ(Steps, Log{"asks"});
    Time.Advance(0);
    EXPECT_EQ(Steps, (Log{"asks", "answered at 300"}));
    EXPECT_TRUE(Time.Idle());
}

// Held 50 ms into a pause of 200: a pause that ran out meanwhile ends at release, one that did
// not ends on time; an answer given while held is taken at release.
TEST_F(FlowTest, HeldFlowStandsStillUntilReleased) {
    for (const uint64_t Release : {100, 400}) {
        const uint64_t Start = Time.Elapsed();
        Log Ends;
        F.Run(WaitThenNote(F, Time, 200, Ends));
        Time.Advance(50);
        F.Hold();
        Time.Advance(Release - 50);
        EXPECT_TRUE(Ends.empty());
        F.Release();
        EXPECT_EQ(Ends.empty(), Release < 200);
        Time.RunUntilIdle();
        EXPECT_EQ(Ends, Log{"done at " + std::to_string(Start + std::max<uint64_t>(Release, 200))});
    }
    F.Run(AskHuman(F, Time, Steps));
    F.Hold();
    F.WakeHuman(HumanWait::Card);
    Time.Advance(100);
    EXPECT_EQ(Steps, Log{"asks"});
    F.Release();
    EXPECT_EQ(Steps, (Log{"asks", "answered at " + std::to_string(Time.Elapsed())}));
}

} // namespace
