// SPDX-License-Identifier: GPL-3.0-or-later
// The hint is what the computer's rules would do in south's place: across the signature's seeded
// games, every bid and every card south is asked for, in every place of the trick.

#include "sim/Driver.h"
#include "sim/ScratchFolder.h"
#include "sim/SouthSeat.h"
#include "rules/Legality.h"
#include "commands/Hint.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace tarnwick;
using namespace tarnwick::sim;

class HintWatcher final : public TableWatcher {
public:
    void Stepped(const Game& G, uint64_t) override {
        const std::optional<Clickable> Hint = HintFor(G);
        const GameState& S = G.State;
        if (G.View.FramBids.Visible && G.Flow.AwaitingHuman(HumanWait::Bid)) {
            ++Bids;
            if (!Hint || *Hint != Clickable{Element::BidNumber, SouthSeat::ChooseBid(S)}) ++Wrong;
            return;
        }
        if (G.Flow.AwaitingHuman(HumanWait::Card) && S.GameInProgress && !S.CardClickLock && !G.Flow.Held()) {
            const int Place = HumanPlaceInTrick(S);
            ++Cards.at(static_cast<size_t>(Place));
            const int16_t Chosen = SouthSeat::ChooseCard(S);
            if (!Hint || *Hint != Clickable{Element::Card, Chosen}) ++Wrong;
            if (!IsLegalForHuman(S, Chosen, Place == 1)) ++Illegal;
            return;
        }
        if (Hint) ++Unasked;
    }

    int Bids = 0, Wrong = 0, Illegal = 0, Unasked = 0;
    std::array<int, 5> Cards{};
};

struct SeededRun {
    int16_t Target;
    uint64_t Seed;
    int Games;
};

TEST(Hint, IsTheComputersOwnChoiceForSouthThroughSeededGames) {
    for (const SeededRun Run : {SeededRun{300, 3, 6}, SeededRun{200, 4, 6}, SeededRun{100, 8, 6}}) {
        SCOPED_TRACE("seed " + std::to_string(Run.Seed));
        ScratchFolder Folder;
        HintWatcher Watcher;
        Driver Table(Run.Seed, Folder.Path, Run.Target, &Watcher);
        for (int Game = 0; Game < Run.Games; ++Game)
            ASSERT_TRUE(Table.PlayGame()) << Table.Problem();
        // South played every card the hint named: the table never had to fall back on another.
        EXPECT_EQ(Table.Fallbacks(), 0u);
        EXPECT_EQ(Watcher.Wrong, 0);
        EXPECT_EQ(Watcher.Illegal, 0);
        EXPECT_EQ(Watcher.Unasked, 0) << "a hint was offered with nothing to decide";
        EXPECT_GT(Watcher.Bids, Run.Games);
        for (int Place = 1; Place <= 4; ++Place)
            EXPECT_GT(Watcher.Cards.at(static_cast<size_t>(Place)), Run.Games) << "place " << Place;
    }
}

} // namespace
