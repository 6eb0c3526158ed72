// A hand given up at any of its waits, over and over on one table, leaves nothing of itself behind:
// no timer of the old hand is left to fire, none of its steps runs again, and no coroutine frame
// of it outlives it (the sanitizer build runs this with LeakSanitizer on).

#include "SimTestSupport.h"

#include "scoring/HandScoring.h"
#include "shell/Clicks.h"
#include "shell/Commands.h"
#include "shell/Questions.h"
#include "sim/SouthSeat.h"
#include "state/Pacing.h"
#include "state/SilentSpeaker.h"
#include "state/VirtualClock.h"
#include "table/NewHand.h"
#include "table/Scores.h"
#include "table/StartUp.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>

namespace {

using namespace tarnwick;
using sim::SouthSeat;

// Counts the timers still to fire: one flow never has more than one.
class CountingClock final : public Clock {
public:
    uint32_t TickCount() override { return Inner.TickCount(); }
    TimerId StartTimer(int Ms, std::function<void()> Due) override {
        const TimerId Mine = ++LastId;
        Live[Mine] = Inner.StartTimer(Ms, [this, Mine, Due = std::move(Due)] {
            Live.erase(Mine);
            Due();
        });
        return Mine;
    }
    void CancelTimer(TimerId Id) override {
        const auto Found = Live.find(Id);
        if (Found == Live.end()) return;
        Inner.CancelTimer(Found->second);
        Live.erase(Found);
    }

    size_t LiveTimers() const { return Live.size(); }
    bool Idle() const { return Inner.Idle(); }
    void Advance(uint64_t Ms) { Inner.Advance(Ms); }
    void RunUntilIdle() { Inner.RunUntilIdle(); }

private:
    VirtualClock Inner;
    std::map<TimerId, TimerId> Live;
    TimerId LastId = 0;
};

// Holds every hand to its shape: 52 cards dealt before the bidding ends, 13 tricks before the
// scoring. A step of a given-up hand running on would break it.
class HandShape final : public GameEvents {
public:
    void CardDealt(uint8_t, int16_t) override { ++Dealt; }
    void BiddingDone(const GameState& S) override {
        if (Dealt != CardCount)
            Trouble += "bidding ended after " + std::to_string(Dealt) + " cards were dealt; ";
        for (const int16_t Bid : S.Bids)
            if (Bid < 0 || Bid > 13) Trouble += "a bid of " + std::to_string(Bid) + "; ";
        Dealt = 0;
        Tricks = 0;
    }
    void TrickDone(uint8_t, const std::array<int16_t, 4>&, uint8_t) override { ++Tricks; }
    void HandScored(const GameState&) override {
        if (Tricks != 13) Trouble += "a hand was scored after " + std::to_string(Tricks) + " tricks; ";
        Tricks = 0;
    }
    // A fresh game: whatever the given-up hand had done no longer counts.
    void Restart() {
        Dealt = 0;
        Tricks = 0;
    }
    std::string Trouble;

private:
    int Dealt = 0, Tricks = 0;
};

enum class WaitKind {
    Riffle,
    Deal,
    BidPanel,
    BiddingPause,
    HumanCard,
    TrickPause,
    Sweep,
    Results,
    MessageBox
};

constexpr WaitKind AllKinds[] = {WaitKind::Riffle,       WaitKind::Deal,      WaitKind::BidPanel,
                                 WaitKind::BiddingPause, WaitKind::HumanCard, WaitKind::TrickPause,
                                 WaitKind::Sweep,        WaitKind::Results,   WaitKind::MessageBox};

const char* NameOf(WaitKind K) {
    switch (K) {
    case WaitKind::Riffle:
        return "riffle pause";
    case WaitKind::Deal:
        return "deal pause";
    case WaitKind::BidPanel:
        return "bid panel";
    case WaitKind::BiddingPause:
        return "bidding pause";
    case WaitKind::HumanCard:
        return "human's card";
    case WaitKind::TrickPause:
        return "trick pause";
    case WaitKind::Sweep:
        return "sweep";
    case WaitKind::Results:
        return "results";
    case WaitKind::MessageBox:
        return "message box";
    }
    return "?";
}

void PrintTo(WaitKind K, std::ostream* Out) {
    *Out << NameOf(K);
}

// The game's own boxes wait for the human; all the rest is timed.
bool IsHumanWait(WaitKind K) {
    return K == WaitKind::BidPanel || K == WaitKind::HumanCard || K == WaitKind::Results ||
           K == WaitKind::MessageBox;
}

struct Table {
    explicit Table(uint64_t Seed)
        : Owned(std::make_unique<Game>(Clock, Quiet, Seed, Folder.Path)), G(*Owned) {
        G.Events = &Shape;
        G.Steps.Run(Form_Load(G));
        Clock.RunUntilIdle();
        // A low target ends games within a few hands, so the game-over box comes round soon.
        Click(G, {Element::Target100});
    }

    bool TimedPause(int16_t Ms) const { return !Clock.Idle() && G.State.PauseMs == Ms; }

    int Dealt() const {
        int Held = 0;
        for (int Card = 1; Card <= CardCount; ++Card)
            Held += G.State.Deck[Card].Holder < SeatCount;
        return Held;
    }

    bool At(WaitKind K) const {
        const GameState& S = G.State;
        const DisplayModel& V = G.View;
        switch (K) {
        case WaitKind::Riffle:
            // As long as a trick's pause, but before any card is dealt or played.
            return TimedPause(Pauses::Riffle) && S.FirstCard == 0 && Dealt() == 0;
        case WaitKind::Deal:
            return TimedPause(Pauses::DealtCard) && Dealt() > 0;
        case WaitKind::BidPanel:
            return V.FramBids.Visible;
        case WaitKind::BiddingPause:
            return TimedPause(static_cast<int16_t>(S.BasePause + Pauses::BiddingExtra)) &&
                   !V.FramBids.Visible;
        case WaitKind::HumanCard:
            return G.Steps.AwaitingHuman(HumanWait::Card) && S.GameInProgress && !S.CardClickLock;
        case WaitKind::TrickPause:
            return TimedPause(Pauses::Trick) && S.FirstCard != 0 &&
                   V.Cds.at(static_cast<size_t>(S.FirstCard)).Picture == S.FirstCard;
        case WaitKind::Sweep:
            return TimedPause(Pauses::Trick) && S.FirstCard != 0 &&
                   V.Cds.at(static_cast<size_t>(S.FirstCard)).Picture == BackPicture;
        case WaitKind::Results:
            return V.FramResults.Visible;
        case WaitKind::MessageBox:
            return V.MessageBox.Visible;
        }
        return false;
    }

    // Answers the human's wait as the simulator's south seat would.
    void Answer() {
        if (G.View.MessageBox.Visible)
            Click(G, {Element::MessageButton, 0});
        else if (G.View.FramBids.Visible)
            South.Bid(G);
        else if (G.View.FramResults.Visible)
            Click(G, {Element::Continue});
        else if (G.Steps.AwaitingHuman(HumanWait::Card))
            South.Play(G);
        else if (!G.Steps.Running())
            Click(G, {Element::NewGame});
    }

    // Moves the table on to the next wait of kind K: a millisecond at a time while K is timed,
    // from one wait of the human to the next while it is not.
    bool Reach(WaitKind K) {
        for (int Step = 0; Step < 2'000'000; ++Step) {
            if (At(K)) return true;
            if (Clock.LiveTimers() > 1) return false;
            if (Clock.Idle())
                Answer();
            else if (IsHumanWait(K))
                Clock.RunUntilIdle();
            else
                Clock.Advance(1);
        }
        return false;
    }

    sim::ScratchFolder Folder;
    CountingClock Clock;
    SilentSpeaker Quiet;
    HandShape Shape;
    SouthSeat South;
    // The window owns its game the same way; closing it ends the game with whatever flow it has.
    std::unique_ptr<Game> Owned;
    Game& G;

    // Not to be touched after this.
    void Close() { Owned.reset(); }
};

class Abandon : public ::testing::TestWithParam<WaitKind> {};

// New Game in the middle of a hand asks first; confirmed, it gives the hand up and deals afresh.
TEST(Abandon, NewGameGivesUpTheHandAtEveryWaitAgainAndAgain) {
    Table T(1);
    for (int Round = 0; Round < 20; ++Round) {
        for (const WaitKind K : AllKinds) {
            SCOPED_TRACE(std::string(NameOf(K)) + ", round " + std::to_string(Round));
            ASSERT_TRUE(T.Reach(K));
            if (K == WaitKind::Deal) {
                // The Game menu rests while the cards fly: New Game is not heard then.
                const uint64_t Timers = T.Clock.LiveTimers();
                Click(T.G, {Element::NewGame});
                EXPECT_FALSE(T.G.View.MessageBox.Visible);
                EXPECT_EQ(T.Clock.LiveTimers(), Timers);
                continue;
            }
            if (K == WaitKind::MessageBox) {
                // The game's own boxes are modal: nothing else can be chosen while one is open.
                Click(T.G, {Element::MessageButton, 0});
                continue;
            }
            Click(T.G, {Element::NewGame});
            if (T.G.View.MessageBox.Visible) {
                EXPECT_EQ(T.G.View.MessageBox.Title, "   SEE YOU!");
                Click(T.G, {Element::MessageButton, 0});
            }
            T.Shape.Restart();
            // The new game stands in its riffle, with the one timer of its own flow.
            EXPECT_TRUE(T.G.Steps.Running());
            EXPECT_EQ(T.Clock.LiveTimers(), 1u);
            EXPECT_EQ(T.G.State.HandNumber, 0);
            EXPECT_FALSE(T.G.View.FramBids.Visible || T.G.View.FramResults.Visible ||
                         T.G.View.MessageBox.Visible);
        }
    }
    // The games go on to their end after all that, every hand whole.
    ASSERT_TRUE(T.Reach(WaitKind::MessageBox));
    EXPECT_EQ(T.Shape.Trouble, "");
}

// The results of a given-up hand are gone with it: no Continue from them can answer a wait of the
// new game.
TEST(Abandon, ContinueFromAGivenUpHandAnswersNothingInTheNext) {
    Table T(2);
    ASSERT_TRUE(T.Reach(WaitKind::Results));
    Click(T.G, {Element::NewGame});
    Click(T.G, {Element::MessageButton, 0});
    ASSERT_TRUE(T.Reach(WaitKind::BidPanel));
    Click(T.G, {Element::Continue});
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(T.G.View.FramBids.Visible);
    EXPECT_EQ(T.G.State.Bids[Human], 0);
    ASSERT_TRUE(T.Reach(WaitKind::HumanCard));
    const int16_t Played = T.G.State.CardClicked;
    Click(T.G, {Element::Continue});
    T.Clock.RunUntilIdle();
    EXPECT_EQ(T.G.State.CardsLeft[Human], 13);
    EXPECT_EQ(T.G.State.CardClicked, Played);
    EXPECT_EQ(T.Shape.Trouble, "");
}

// Closing the table ends the game object with its flow wherever that waits.
TEST_P(Abandon, ClosingTheTableLeavesNoFlowBehind) {
    for (uint64_t Seed = 1; Seed <= 15; ++Seed) {
        SCOPED_TRACE("seed " + std::to_string(Seed));
        auto T = std::make_unique<Table>(Seed);
        ASSERT_TRUE(T->Reach(GetParam()));
        EXPECT_TRUE(T->G.Steps.Running());
        T->Close();
        EXPECT_EQ(T->Clock.LiveTimers(), 0u);
        EXPECT_EQ(T->Shape.Trouble, "");
    }
}

INSTANTIATE_TEST_SUITE_P(AtEveryWait, Abandon, ::testing::ValuesIn(AllKinds),
                         [](const ::testing::TestParamInfo<WaitKind>& Info) {
                             std::string Name = NameOf(Info.param);
                             std::erase_if(Name, [](char C) { return C == ' ' || C == '\''; });
                             return Name;
                         });

} // namespace
