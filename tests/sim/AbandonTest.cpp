// SPDX-License-Identifier: GPL-3.0-or-later
// A hand given up at any of its waits, over and over on one table, leaves nothing of itself behind:
// no timer of the old hand is left to fire, none of its steps runs again, and no coroutine frame
// of it outlives it (the sanitizer build runs this with LeakSanitizer on).

#include "SimTestSupport.h"

#include "commands/Clicks.h"
#include "sim/SouthSeat.h"
#include "flow/Pacing.h"
#include "flow/SilentSpeaker.h"
#include "flow/VirtualClock.h"
#include "flow/StartUp.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

using namespace tarnwick;

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

    VirtualClock Inner;
    std::map<TimerId, TimerId> Live;

private:
    TimerId LastId = 0;
};

// Holds every hand to its shape: 52 cards dealt before the bidding ends, 13 tricks before the
// scoring. A step of a given-up hand running on would break it.
class HandShape final : public GameEvents {
public:
    void CardDealt(uint8_t, int16_t) override { ++Dealt; }
    void BiddingDone(const GameState&) override {
        if (Dealt != CardCount) Trouble += "bidding ended after " + std::to_string(Dealt) + " cards; ";
        Restart();
    }
    void TrickDone(uint8_t, const std::array<int16_t, 4>&, uint8_t) override { ++Tricks; }
    void HandScored(const GameState&) override {
        if (Tricks != 13) Trouble += "a hand was scored after " + std::to_string(Tricks) + " tricks; ";
        Restart();
    }
    // A fresh game: whatever the given-up hand had done no longer counts.
    void Restart() { Dealt = Tricks = 0; }
    std::string Trouble;

private:
    int Dealt = 0, Tricks = 0;
};

enum class Wait { Riffle, Deal, BidPanel, BiddingPause, HumanCard, TrickPause, Sweep, Results, MessageBox };
constexpr Wait AllWaits[] = {Wait::Riffle,       Wait::Deal,      Wait::BidPanel,
                             Wait::BiddingPause, Wait::HumanCard, Wait::TrickPause,
                             Wait::Sweep,        Wait::Results,   Wait::MessageBox};
constexpr const char* WaitNames[] = {"Riffle",     "Deal",  "BidPanel", "BiddingPause", "HumanCard",
                                     "TrickPause", "Sweep", "Results",  "MessageBox"};

bool TimedWait(Wait K) {
    return K != Wait::BidPanel && K != Wait::HumanCard && K != Wait::Results && K != Wait::MessageBox;
}

std::string NameOf(Wait K) {
    return WaitNames[static_cast<size_t>(K)];
}

struct Table {
    explicit Table(uint64_t Seed)
        : Owned(std::make_unique<Game>(Clock, Quiet, Seed, Folder.Path)), G(*Owned) {
        G.Events = &Shape;
        G.Flow.Run(Form_Load(G));
        Clock.Inner.RunUntilIdle();
        // A low target ends games within a few hands, so the game-over box comes round soon.
        Click(G, {Element::Target100});
    }

    bool TimedPause(int Ms) const { return !Clock.Inner.Idle() && G.Flow.PauseLength() == Ms; }
    bool FirstCardShows(int16_t Picture) const {
        const int16_t Led = FirstCard(G.State);
        return Led != 0 && G.View.Cds.at(static_cast<size_t>(Led)).Picture == Picture;
    }

    bool At(Wait K) const {
        const GameState& S = G.State;
        const DisplayModel& V = G.View;
        int Dealt = 0;
        for (int Card = 1; Card <= CardCount; ++Card)
            Dealt += S.Deck[Card].Holder < SeatCount;
        switch (K) {
        case Wait::Riffle: // as long as a trick's pause, but before any card is dealt or played
            return TimedPause(Pauses::Riffle) && FirstCard(S) == 0 && Dealt == 0;
        case Wait::Deal:
            return TimedPause(Pauses::DealtCard) && Dealt > 0;
        case Wait::BidPanel:
            return V.FramBids.Visible;
        case Wait::BiddingPause:
            return TimedPause(Pauses::Bidding(S)) &&
                   !V.FramBids.Visible;
        case Wait::HumanCard:
            return G.Flow.AwaitingHuman(HumanWait::Card) && S.GameInProgress && !S.CardClickLock;
        case Wait::TrickPause:
            return TimedPause(Pauses::Trick) && FirstCardShows(FirstCard(S));
        case Wait::Sweep:
            return TimedPause(Pauses::Trick) && FirstCardShows(BackPicture);
        case Wait::Results:
            return V.FramResults.Visible;
        case Wait::MessageBox:
            return V.MessageBox.Visible;
        }
        return false;
    }

    // Moves the table on to the next wait of kind K, answering every wait of the human as the
    // simulator's south seat would: a millisecond at a time while K is timed, from one wait of the
    // human to the next while it is not.
    bool Reach(Wait K) {
        const bool Timed = TimedWait(K);
        for (int Step = 0; Step < 2'000'000; ++Step) {
            if (At(K)) return true;
            if (Clock.Live.size() > 1) return false;
            if (!Clock.Inner.Idle() && Timed)
                Clock.Inner.Advance(1);
            else if (!Clock.Inner.Idle())
                Clock.Inner.RunUntilIdle();
            else if (G.View.MessageBox.Visible)
                Click(G, {Element::MessageButton, 0});
            else if (G.View.FramBids.Visible)
                South.Bid(G);
            else if (G.View.FramResults.Visible)
                Click(G, {Element::Continue});
            else if (G.Flow.AwaitingHuman(HumanWait::Card))
                South.Play(G);
            else if (!G.Flow.Running())
                Click(G, {Element::NewGame});
        }
        return false;
    }

    sim::ScratchFolder Folder;
    CountingClock Clock;
    SilentSpeaker Quiet;
    HandShape Shape;
    sim::SouthSeat South;
    // The window owns its game the same way; closing it ends the game with whatever flow it has.
    std::unique_ptr<Game> Owned;
    Game& G;
};

// New Game in the middle of a hand asks first; confirmed, it gives the hand up and deals afresh.
TEST(Abandon, NewGameGivesUpTheHandAtEveryWaitAgainAndAgain) {
    Table T(1);
    for (int Round = 0; Round < 20; ++Round) {
        for (const Wait K : AllWaits) {
            SCOPED_TRACE(NameOf(K) + ", round " + std::to_string(Round));
            ASSERT_TRUE(T.Reach(K));
            if (K == Wait::Deal) {
                // The Game menu rests while the cards fly: New Game is not heard then.
                Click(T.G, {Element::NewGame});
                EXPECT_FALSE(T.G.View.MessageBox.Visible);
                EXPECT_EQ(T.Clock.Live.size(), 1u);
                EXPECT_TRUE(T.At(Wait::Deal));
                continue;
            }
            if (K == Wait::MessageBox) {
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
            EXPECT_TRUE(T.At(Wait::Riffle));
            EXPECT_EQ(T.Clock.Live.size(), 1u);
            EXPECT_EQ(T.G.State.HandNumber, 0);
            EXPECT_FALSE(T.G.View.FramBids.Visible || T.G.View.FramResults.Visible ||
                         T.G.View.MessageBox.Visible);
        }
    }
    // The games go on to their end after all that, every hand whole.
    ASSERT_TRUE(T.Reach(Wait::MessageBox));
    EXPECT_EQ(T.Shape.Trouble, "");
}

class Closing : public ::testing::TestWithParam<Wait> {};

// Closing the table ends the game object with its flow wherever that waits.
TEST_P(Closing, LeavesNoFlowBehind) {
    for (uint64_t Seed = 1; Seed <= 15; ++Seed) {
        SCOPED_TRACE("seed " + std::to_string(Seed));
        Table T(Seed);
        ASSERT_TRUE(T.Reach(GetParam()));
        EXPECT_TRUE(T.G.Flow.Running());
        T.Owned.reset();
        EXPECT_EQ(T.Clock.Live.size(), 0u);
        EXPECT_EQ(T.Shape.Trouble, "");
    }
}

INSTANTIATE_TEST_SUITE_P(AtEveryWait, Closing, ::testing::ValuesIn(AllWaits),
                         [](const ::testing::TestParamInfo<Wait>& Info) { return NameOf(Info.param); });

} // namespace
