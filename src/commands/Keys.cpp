// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Keys.h"

#include "flow/HumanPlay.h"
#include "commands/Clicks.h"
#include "flow/Questions.h"

#include <array>
#include <vector>

namespace tarnwick {

namespace {

// The panel's rows and columns: Nil to 5, 6 to 11, then 12 and 13 in the third and fourth columns.
struct PanelCell {
    int Row = 0, Column = 0;
};

PanelCell CellOf(int Bid) {
    if (Bid < 12) return {Bid / 6, Bid % 6};
    return {2, Bid - 10};
}

// The number in Row nearest to Column.
int NumberIn(int Row, int Column) {
    if (Row < 2) return Row * 6 + Column;
    return Column <= 2 ? 12 : 13;
}

std::vector<int16_t> HumanCards(const GameState& S) {
    std::vector<int16_t> Cards;
    for (int16_t K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder == Human) Cards.push_back(K);
    return Cards;
}

// The buttons the open box shows, left to right.
std::vector<int> ShownButtons(const Game& G) {
    std::vector<int> Shown;
    for (int I = 0; I < 3; ++I)
        if (ButtonShown(G, I)) Shown.push_back(I);
    return Shown;
}

// Brings the remembered focus of Place back to something that place holds now: the card the mark
// was on while it is still in the hand, else the leftmost card.
void Settle(Game& G, KeyPlace Place) {
    KeyFocus& F = G.Focus;
    if (Place == KeyPlace::Hand) {
        const std::vector<int16_t> Cards = HumanCards(G.State);
        if (!Cards.empty() && G.State.Deck[F.Card].Holder != Human) F.Card = Cards.front();
    } else if (Place == KeyPlace::MessageBox) {
        const std::vector<int> Shown = ShownButtons(G);
        if (!Shown.empty() && !ButtonShown(G, F.Button)) F.Button = Shown.front();
    }
}

std::optional<Clickable> Focused(const Game& G, KeyPlace Place) {
    switch (Place) {
    case KeyPlace::MessageBox:
        return Clickable{Element::MessageButton, G.Focus.Button};
    case KeyPlace::Statistics:
        return Clickable{Element::CloseStatistics};
    case KeyPlace::Results:
        return Clickable{Element::Continue};
    case KeyPlace::Bids:
        return Clickable{Element::BidNumber, G.Focus.Bid};
    case KeyPlace::Hand:
        if (G.State.Deck[G.Focus.Card].Holder != Human) return std::nullopt;
        return Clickable{Element::Card, G.Focus.Card};
    case KeyPlace::None:
        break;
    }
    return std::nullopt;
}

bool Takes(Key K) { return K == Key::Return || K == Key::Space; }

// A key that clicks is taken unless the click had nothing to do; a card refused by the rules
// was still heard, and says so.
bool Heard(ClickResult R) { return R != ClickResult::Ignored; }

bool IsDigit(Key K) { return K >= Key::Digit0 && K <= Key::Digit9; }

// Moves over the list of what a place holds; Tab and Shift+Tab go round, the others stop at the ends.
template <typename T>
std::optional<T> Step(const std::vector<T>& Items, T Now, Key K) {
    if (Items.empty()) return std::nullopt;
    size_t At = 0;
    while (At < Items.size() && Items[At] != Now)
        ++At;
    if (At == Items.size()) At = 0;
    const size_t Last = Items.size() - 1;
    switch (K) {
    case Key::Left:
        return Items[At == 0 ? 0 : At - 1];
    case Key::Right:
        return Items[At == Last ? Last : At + 1];
    case Key::BackTab:
        return Items[At == 0 ? Last : At - 1];
    case Key::Tab:
        return Items[At == Last ? 0 : At + 1];
    case Key::Home:
        return Items.front();
    case Key::End:
        return Items.back();
    default:
        return std::nullopt;
    }
}

// A digit marks its number: 0 and N Nil, 2 to 9 themselves, and 1 steps 1, 10, 11, 12, 13, 1.
int BidForDigit(int Now, Key K) {
    if (K == Key::N || K == Key::Digit0) return 0;
    const int Digit = static_cast<int>(K) - static_cast<int>(Key::Digit0);
    if (Digit != 1) return Digit;
    if (Now == 1) return 10;
    if (Now >= 10 && Now < 13) return Now + 1;
    return 1;
}

// On the cards and the bid panel a hidden mark only shows where it rests, at the first arrow or
// Return: nothing is played or bid that the player has not seen marked. Home, End and the digits
// go where they say at once.
bool PressInHand(Game& G, Key K, bool WasShown) {
    if (Takes(K)) {
        return !WasShown || Heard(Click(G, {Element::Card, G.Focus.Card}));
    }
    const Key Along = K == Key::Tab ? Key::Right : K == Key::BackTab ? Key::Left : K;
    const std::optional<int16_t> To = Step(HumanCards(G.State), G.Focus.Card, Along);
    if (!To) return false;
    if (WasShown || K == Key::Home || K == Key::End) G.Focus.Card = *To;
    return true;
}

bool PressInBids(Game& G, Key K, bool WasShown) {
    int& Bid = G.Focus.Bid;
    if (Takes(K)) {
        return !WasShown || Heard(Click(G, {Element::BidNumber, Bid}));
    }
    if (IsDigit(K) || K == Key::N) {
        Bid = BidForDigit(WasShown ? Bid : -1, K);
        return true;
    }
    if (K == Key::Home || K == Key::End) {
        Bid = K == Key::Home ? 0 : 13;
        return true;
    }
    const Key Arrow = K == Key::Tab ? Key::Right : K == Key::BackTab ? Key::Left : K;
    if (Arrow != Key::Left && Arrow != Key::Right && Arrow != Key::Up && Arrow != Key::Down) return false;
    if (WasShown) Bid = BidNumberFrom(Bid, Arrow);
    return true;
}

bool PressInMessageBox(Game& G, Key K) {
    const std::vector<int> Shown = ShownButtons(G);
    if (Takes(K)) return Heard(Click(G, {Element::MessageButton, G.Focus.Button}));
    if (K == Key::Escape) return !Shown.empty() && Heard(Click(G, {Element::MessageButton, Shown.back()}));
    const std::optional<int> To = Step(Shown, G.Focus.Button, K);
    if (!To) return false;
    G.Focus.Button = *To;
    return true;
}

} // namespace

int BidNumberFrom(int From, Key Arrow) {
    const PanelCell At = CellOf(From);
    switch (Arrow) {
    case Key::Left:
        return From == 0 ? 0 : From - 1;
    case Key::Right:
        return From == 13 ? 13 : From + 1;
    case Key::Up:
        return At.Row == 0 ? From : NumberIn(At.Row - 1, At.Column);
    case Key::Down:
        return At.Row == 2 ? From : NumberIn(At.Row + 1, At.Column);
    default:
        return From;
    }
}

KeyPlace KeysActIn(const Game& G) {
    if (MessageBoxOpen(G)) return KeyPlace::MessageBox;
    if (NameBoxOpen(G) || G.Flow.Held()) return KeyPlace::None;
    if (G.StatisticsOpen) return KeyPlace::Statistics;
    // The results hide at the Continue that answers them; the bid panel once the bid is made.
    if (G.Flow.AwaitingAnswer(HumanWait::Continue)) return KeyPlace::Results;
    if (G.Flow.AwaitingHuman(HumanWait::Bid)) return KeyPlace::Bids;
    const GameState& S = G.State;
    if (S.GameInProgress && !S.CardClickLock && G.Flow.AwaitingHuman(HumanWait::Card) &&
        !HumanCards(S).empty())
        return KeyPlace::Hand;
    return KeyPlace::None;
}

bool PressKey(Game& G, Key Pressed) {
    const KeyPlace Place = KeysActIn(G);
    Settle(G, Place);
    const bool WasShown = G.Focus.KeysUsed;
    bool Taken = false;
    switch (Place) {
    case KeyPlace::MessageBox:
        Taken = PressInMessageBox(G, Pressed);
        break;
    case KeyPlace::Statistics:
        Taken =
            (Pressed == Key::Return || Pressed == Key::Escape) && Heard(Click(G, {Element::CloseStatistics}));
        break;
    case KeyPlace::Results:
        Taken = Takes(Pressed) && Heard(Click(G, {Element::Continue}));
        break;
    case KeyPlace::Bids:
        Taken = PressInBids(G, Pressed, WasShown);
        break;
    case KeyPlace::Hand:
        Taken = PressInHand(G, Pressed, WasShown);
        break;
    case KeyPlace::None:
        break;
    }
    if (Taken) G.Focus.KeysUsed = true;
    ShowFocus(G);
    return Taken;
}

void MouseUsed(Game& G) {
    G.Focus.KeysUsed = false;
    ShowFocus(G);
}

void ShowFocus(Game& G) {
    const KeyPlace Place = KeysActIn(G);
    Settle(G, Place);
    const std::optional<Clickable> On = Focused(G, Place);
    G.View.Focus = G.Focus.KeysUsed && On ? FocusMark{true, *On} : FocusMark{};
}

} // namespace tarnwick
