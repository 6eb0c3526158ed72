// SPDX-License-Identifier: GPL-3.0-or-later
// What became of each click: taken, refused by the game, or ignored as nothing to do.

#include "TestTable.h"

#include "commands/Clicks.h"
#include "commands/TableClicks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tarnwick {
void PrintTo(ClickResult R, std::ostream* Out) {
    *Out << (R == ClickResult::Taken ? "Taken" : R == ClickResult::Refused ? "Refused" : "Ignored");
}
} // namespace tarnwick

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

constexpr ClickResult Taken = ClickResult::Taken, Refused = ClickResult::Refused,
                      Ignored = ClickResult::Ignored;

struct Expected {
    const char* Why;
    Clickable Target;
    ClickResult Result;
};

void ExpectEach(Game& G, const std::vector<Expected>& Clicks) {
    for (const Expected& E : Clicks)
        EXPECT_EQ(Click(G, E.Target), E.Result) << E.Why;
}

// A hand dealt by Beatrix, so the human bids first and leads; nothing is broken, so a spade lead
// is refused.
TEST(ClickResult, EveryClickSaysWhatBecameOfIt) {
    Table T{BeatrixDealsFirst};
    GameState& S = T.G.State;
    T.StartUp();
    ExpectEach(T.G, {{"no bid is asked", {Element::BidNumber, 3}, Ignored},
                     {"no results are shown", {Element::Continue}, Ignored},
                     {"no box is open", {Element::MessageButton, 0}, Ignored},
                     {"no game yet", {Element::Card, 1}, Ignored},
                     {"F2 with no game under way", {Element::NewGame}, Taken}});
    for (int Ms = 0; Ms < 5000 && T.G.View.MnuGameEnabled; Ms += 25)
        T.Clock.Advance(25);
    ASSERT_FALSE(T.G.View.MnuGameEnabled) << "the deal under way";
    ExpectEach(T.G, {{"the Game menu rests during the deal", {Element::NewGame}, Ignored},
                     {"so does Exit", {Element::Exit}, Ignored},
                     {"and the Options menu", {Element::Target100}, Ignored}});
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Bid));
    ExpectEach(T.G, {{"no bid of 14", {Element::BidNumber, 14}, Ignored},
                     {"no card while bidding", {Element::Card, CardsOf(S, Human).front()}, Ignored},
                     {"a bid of 3", {Element::BidNumber, 3}, Taken}});
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Card));

    const int Spade = CardsOf(S, Human).back(), Lead = FirstLegal(S);
    ASSERT_TRUE(IsSpade(Spade));
    ExpectEach(T.G, {{"no card 0", {Element::Card, 0}, Ignored},
                     {"no card 53", {Element::Card, CardCount + 1}, Ignored},
                     {"Rodrick's card", {Element::Card, CardsOf(S, West).front()}, Ignored},
                     {"a spade led before spades are broken", {Element::Card, Spade}, Refused},
                     {"the target", {Element::Target200}, Taken},
                     {"New Game in the middle of a game asks", {Element::NewGame}, Taken},
                     {"a second question while one is open", {Element::Exit}, Ignored},
                     {"the name asked while the box is open", {Element::ChangeName}, Ignored},
                     {"a card while the box holds the game", {Element::Card, Lead}, Ignored},
                     {"a button the box does not show", {Element::MessageButton, 2}, Ignored},
                     {"no button 3", {Element::MessageButton, 3}, Ignored},
                     {"Ooops - No", {Element::MessageButton, 1}, Taken},
                     {"the lead", {Element::Card, Lead}, Taken},
                     {"the lead again", {Element::Card, Lead}, Ignored},
                     {"a second card while the first is on its way", {Element::Card, FirstLegal(S)}, Ignored},
                     {"the statistics", {Element::Statistics}, Taken},
                     {"their Close", {Element::CloseStatistics}, Taken}});

    PlayScripted(T, [&] { return T.G.View.FramResults.Visible; });
    ExpectEach(T.G, {{"Continue", {Element::Continue}, Taken},
                     {"Continue again before the hand goes on", {Element::Continue}, Ignored}});
}

TEST(ClickResult, TheNameBoxAnswerIsTakenOnlyWhileItIsOpen) {
    Table T;
    T.StartUp();
    EXPECT_EQ(NameInput_Closed(T.G, "Ann"), Ignored);
    EXPECT_EQ(Click(T.G, {Element::ChangeName}), Taken);
    EXPECT_EQ(Click(T.G, {Element::DeleteStatistics}), Ignored) << "the name box is open";
    EXPECT_EQ(NameInput_Closed(T.G, std::nullopt), Taken);
    EXPECT_EQ(NameInput_Closed(T.G, "Ann"), Ignored);
    EXPECT_EQ(T.G.State.PlayerName, "Player");
}

} // namespace
