// SPDX-License-Identifier: GPL-3.0-or-later
// The game by keys: the focus mark in each place of the table, and keys that are taken or refused
// exactly as the click on the marked thing would be.

#include "TestTable.h"

#include "commands/Keys.h"
#include "flow/Questions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

// A table whose mark follows every step of the game, as the window's does.
struct KeyTable : Table {
    explicit KeyTable(uint64_t Seed = BeatrixDealsFirst) : Table(Seed) {
        G.Flow.SetAfterEachStep([this] { ShowFocus(G); });
    }

    void Press(std::initializer_list<Key> Keys) {
        for (Key K : Keys)
            PressKey(G, K);
    }

    // A click, and the mark shown afresh as the window shows it after every click.
    void ClickOn(Clickable Target) {
        Click(G, Target);
        ShowFocus(G);
    }

    Clickable Mark() const { return G.View.Focus.On; }

    // Bids by keys, then runs the game up to the human's first card.
    void BidAndWaitForCard(std::initializer_list<Key> Keys) {
        Press(Keys);
        Clock.RunUntilIdle();
        ASSERT_TRUE(G.Flow.AwaitingHuman(HumanWait::Card));
    }
};

} // namespace

namespace tarnwick {
void PrintTo(const Clickable& C, std::ostream* Out) { *Out << static_cast<int>(C.What) << ":" << C.Index; }
void PrintTo(const FocusMark& M, std::ostream* Out) {
    *Out << (M.Shown ? "shown on " : "hidden on ");
    PrintTo(M.On, Out);
}
} // namespace tarnwick

namespace {

constexpr Clickable CardMark(int K) { return {Element::Card, K}; }
constexpr Clickable BidMark(int I) { return {Element::BidNumber, I}; }
constexpr Clickable ButtonMark(int I) { return {Element::MessageButton, I}; }

TEST(Keys, ArrowsGoOverTheBidNumbersAsTheyLieOnThePanel) {
    struct Move {
        int From;
        Key Arrow;
        int To;
    };
    const std::vector<Move> Moves = {
        {0, Key::Left, 0},   {0, Key::Right, 1},  {5, Key::Right, 6}, {6, Key::Left, 5},
        {13, Key::Right, 13}, {0, Key::Up, 0},    {2, Key::Down, 8},  {5, Key::Down, 11},
        {8, Key::Down, 12},  {9, Key::Down, 13},  {6, Key::Down, 12}, {11, Key::Down, 13},
        {12, Key::Up, 8},    {13, Key::Up, 9},    {12, Key::Down, 12}, {7, Key::Up, 1},
    };
    for (const Move& M : Moves)
        EXPECT_EQ(BidNumberFrom(M.From, M.Arrow), M.To) << M.From << " key " << static_cast<int>(M.Arrow);
}

TEST(Keys, DigitsMarkTheirNumberAndOnePressedAgainStepsUpTheTens) {
    KeyTable T;
    T.NewGame();
    ASSERT_TRUE(T.G.View.FramBids.Visible);
    EXPECT_FALSE(T.G.View.Focus.Shown) << "no key used yet";
    std::vector<int> Marked;
    for (Key K : {Key::Digit7, Key::Digit1, Key::Digit1, Key::Digit1, Key::Digit1, Key::Digit1, Key::Digit1,
                  Key::Digit0, Key::Digit1, Key::N}) {
        T.Press({K});
        Marked.push_back(T.Mark().Index);
    }
    EXPECT_EQ(Marked, (std::vector<int>{7, 1, 10, 11, 12, 13, 1, 0, 1, 0}));
    EXPECT_TRUE(T.G.View.Focus.Shown);
    EXPECT_EQ(T.G.State.BidClicked, -1) << "marking bids nothing";

    T.Press({Key::Digit4, Key::Down, Key::Space});
    T.Clock.RunUntilIdle();
    EXPECT_EQ(T.G.State.Bids[Human], 10);
    EXPECT_FALSE(T.G.View.FramBids.Visible);
}

// Return on a hidden mark only shows it: nothing is bid or played that the player has not seen.
TEST(Keys, TheFirstReturnShowsTheMarkAndTheSecondTakesIt) {
    KeyTable T;
    T.NewGame();
    T.Press({Key::Return});
    EXPECT_TRUE(T.G.View.FramBids.Visible);
    EXPECT_EQ(T.G.View.Focus, (FocusMark{true, BidMark(0)}));
    T.BidAndWaitForCard({Key::Right, Key::Return});
    EXPECT_EQ(T.G.State.Bids[Human], 1);
}

TEST(Keys, TheMarkGoesOverTheHandAndComesBackWhereItWasOrOnTheLeftmostCard) {
    KeyTable T;
    T.NewGame();
    T.BidAndWaitForCard({Key::Digit3, Key::Return});
    const std::vector<int> Hand = CardsOf(T.G.State, Human);
    EXPECT_EQ(T.Mark(), CardMark(Hand.front())) << "the turn opens on the leftmost card";
    T.Press({Key::Right, Key::Right});
    EXPECT_EQ(T.Mark(), CardMark(Hand[2]));
    T.Press({Key::End, Key::Right});
    EXPECT_EQ(T.Mark(), CardMark(Hand.back()));
    T.Press({Key::Home, Key::Left});
    EXPECT_EQ(T.Mark(), CardMark(Hand.front()));

    // Led by the first card the rules allow, the mark then waits on the card to its right.
    const int16_t Lead = FirstLegal(T.G.State);
    const auto At = std::find(Hand.begin(), Hand.end(), Lead) - Hand.begin();
    for (auto I = 0; I < At; ++I)
        T.Press({Key::Right});
    T.Press({Key::Return});
    EXPECT_FALSE(T.G.View.Focus.Shown) << "no mark while the card is on its way";
    T.Press({Key::Right});
    EXPECT_EQ(T.G.State.CardClicked, Lead);
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Card));
    EXPECT_EQ(T.Mark(), CardMark(CardsOf(T.G.State, Human).front())) << "the played card's mark goes leftmost";
    // A card then played by the mouse hides the mark; at the next turn the first key shows it
    // again on the card it was on.
    T.Press({Key::End});
    const int Kept = T.Mark().Index;
    const int16_t ByMouse = FirstLegal(T.G.State);
    ASSERT_NE(ByMouse, Kept) << "this deal leads low";
    MouseUsed(T.G);
    Click(T.G, CardMark(ByMouse));
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Card));
    EXPECT_FALSE(T.G.View.Focus.Shown);
    T.Press({Key::Left});
    EXPECT_EQ(T.G.View.Focus, (FocusMark{true, CardMark(Kept)}));
}

// The same card refused by a key and by a click: the same words, and the turn still open.
TEST(Keys, ACardTheRulesRefuseIsRefusedByKeyAsByClick) {
    KeyTable ByKey, ByClick;
    for (KeyTable* T : {&ByKey, &ByClick}) {
        T->NewGame();
        T->BidAndWaitForCard({Key::Digit3, Key::Return});
    }
    const std::vector<int> Hand = CardsOf(ByKey.G.State, Human);
    const auto Spade = std::find_if(Hand.begin(), Hand.end(), [](int K) { return K >= FirstOfSuit(Spades); });
    ASSERT_NE(Spade, Hand.end());
    ASSERT_FALSE(ByKey.G.State.SpadesBroken);
    ByKey.Press({Key::Home});
    for (auto I = Spade - Hand.begin(); I > 0; --I)
        ByKey.Press({Key::Right});
    ByKey.Press({Key::Space});
    Click(ByClick.G, CardMark(*Spade));
    for (KeyTable* T : {&ByKey, &ByClick}) {
        EXPECT_EQ(T->G.View.StatusPanel2, T->G.State.PlayerName + " Sorry, you cannot play that card. Try again please");
        EXPECT_FALSE(T->G.State.CardClickLock);
        EXPECT_EQ(CardsOf(T->G.State, Human), Hand);
    }
    EXPECT_EQ(ByKey.Mark(), CardMark(*Spade)) << "the mark stays on the refused card";
}

// Behind the about box the game stands still: a key is not taken, as a click is not.
TEST(Keys, NoKeyIsTakenWhileTheGameIsHeld) {
    KeyTable T;
    T.NewGame();
    T.Press({Key::Digit2});
    T.G.Flow.Hold();
    EXPECT_EQ(KeysActIn(T.G), KeyPlace::None);
    EXPECT_FALSE(PressKey(T.G, Key::Return));
    EXPECT_FALSE(T.G.View.Focus.Shown);
    T.G.Flow.Release();
    ShowFocus(T.G);
    EXPECT_TRUE(T.G.View.FramBids.Visible);
    EXPECT_EQ(T.G.View.Focus, (FocusMark{true, BidMark(2)}));
}

// Tab and Shift+Tab go round the buttons shown, the arrows stop at the ends, Escape answers the
// last button and every new box opens on its first.
TEST(Keys, TheMessageBoxIsAnsweredByKeyAsByAClickOnTheMarkedButton) {
    KeyTable T;
    T.NewGame();
    T.BidAndWaitForCard({Key::Digit3, Key::Return});
    T.ClickOn({Element::Exit});
    ASSERT_EQ(T.G.View.MessageBox.Captions[1], "I want to save");
    EXPECT_EQ(KeysActIn(T.G), KeyPlace::MessageBox);
    std::vector<int> Marked;
    for (Key K : {Key::Tab, Key::Tab, Key::BackTab, Key::BackTab, Key::Right, Key::Right, Key::Left, Key::Left}) {
        T.Press({K});
        Marked.push_back(T.Mark().Index);
    }
    EXPECT_EQ(Marked, (std::vector<int>{1, 0, 1, 0, 1, 1, 0, 0}));
    T.Press({Key::Escape});
    EXPECT_FALSE(T.G.View.MessageBox.Visible);
    EXPECT_FALSE(T.G.View.Quit) << "Escape is the no of a question";
    EXPECT_TRUE(T.G.Flow.Running());
    EXPECT_EQ(T.Mark(), CardMark(CardsOf(T.G.State, Human).front())) << "back on the hand";

    T.ClickOn({Element::NewGame});
    EXPECT_EQ(T.Mark(), ButtonMark(0));
    T.Press({Key::Tab, Key::Return});
    EXPECT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Card)) << "the hand goes on";

    // The answer as the follow-up is handed it: Return the marked button, Escape the last.
    for (const auto& [Keys, Button] : {std::pair{std::vector<Key>{Key::End, Key::BackTab, Key::Return}, 1},
                                       std::pair{std::vector<Key>{Key::Escape}, 2}}) {
        std::optional<Answer> Given;
        ASSERT_TRUE(Ask(T.G, Question{"Ann Sure?", {"Yes", "No", "Maybe"}, 1, "Sure"},
                        [&Given](Game&, const Answer& A) { Given = A; }));
        ShowFocus(T.G);
        for (Key K : Keys)
            T.Press({K});
        ASSERT_TRUE(Given);
        EXPECT_EQ(Given->Button, Button);
    }
}

TEST(Keys, ReturnOrSpaceContinuesAndReturnOrEscapeClosesTheStatistics) {
    KeyTable T;
    T.NewGame();
    T.BidAndWaitForCard({Key::Digit3, Key::Return});
    for (int Card = 0; Card < 13; ++Card) {
        T.Press({Key::Home});
        Click(T.G, CardMark(FirstLegal(T.G.State)));
        T.Clock.RunUntilIdle();
    }
    ASSERT_TRUE(T.G.View.FramResults.Visible);
    EXPECT_EQ(T.G.View.Focus, (FocusMark{true, {Element::Continue}}));

    T.ClickOn({Element::Statistics});
    EXPECT_EQ(T.Mark(), Clickable{Element::CloseStatistics});
    T.Press({Key::Space});
    EXPECT_TRUE(T.G.View.FramMoney.Visible) << "Space is no answer on the statistics";
    T.Press({Key::Escape});
    EXPECT_FALSE(T.G.View.FramMoney.Visible);
    T.ClickOn({Element::Statistics});
    T.Press({Key::Return});
    EXPECT_FALSE(T.G.View.FramMoney.Visible);

    EXPECT_EQ(T.Mark(), Clickable{Element::Continue});
    T.Press({Key::Space});
    EXPECT_FALSE(T.G.View.FramResults.Visible);
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(T.G.View.FramBids.Visible || T.G.Flow.AwaitingHuman(HumanWait::Card));
}

// A whole game by the mouse alone never shows the mark, nor moves it.
TEST(Keys, AMousePlayerNeverSeesTheMark) {
    KeyTable T;
    T.StartUp();
    Click(T.G, {Element::Target100});
    Click(T.G, {Element::NewGame});
    int Steps = 0;
    T.G.Flow.SetAfterEachStep([&] {
        ShowFocus(T.G);
        ++Steps;
        EXPECT_EQ(T.G.View.Focus, FocusMark{});
    });
    PlayScripted(T);
    EXPECT_GT(Steps, 1000);
    EXPECT_FALSE(T.G.State.GameInProgress);
}

} // namespace
