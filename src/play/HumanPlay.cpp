// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/HumanPlay.h"

#include "play/Tricks.h"
#include "state/Pacing.h"

namespace tarnwick {

namespace {

// Where the human's card lies on the table.
constexpr double HumanCardLeft = 5040, HumanCardTop = 4920;

bool HoldsAnyNonSpade(const GameState& S) {
    for (int K = 1; K <= LastOfSuit(Hearts); ++K)
        if (S.Deck[K].Holder == Human) return true;
    return false;
}

bool HoldsSuit(const GameState& S, uint8_t Suit) {
    for (int K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder == Human && S.Deck[K].Suit == Suit) return true;
    return false;
}

// The card flies to the human's place, on its way to the table while it sounds.
Task<> PutOnTable(Game& G, int16_t CardNo) {
    GameState& S = G.State;
    S.Deck[CardNo].Holder = OnItsWayToTable;
    CardBox& Box = G.View.Cds.at(static_cast<size_t>(CardNo));
    Box.Left = HumanCardLeft;
    Box.Top = HumanCardTop;
    co_await DealSound(G);
    S.Deck[CardNo].Holder = InNoHand;
    co_await Pause(G);
}

} // namespace

int HumanPlaceInTrick(const GameState& S) {
    int Place = 1;
    for (uint8_t Seat = West; Seat <= East; ++Seat)
        if (S.CardsLeft[Seat] < S.CardsLeft[Human]) ++Place;
    return Place;
}

bool IsLegalForHuman(const GameState& S, int16_t CardNo, bool Leading) {
    const Card& C = S.Deck[CardNo];
    if (Leading) return S.SpadesBroken || !HoldsAnyNonSpade(S) || C.Suit != Spades;
    const uint8_t Led = S.Deck[S.FirstCard].Suit;
    return !HoldsSuit(S, Led) || C.Suit == Led;
}

void Cds_Click(Game& G, int CardNo) {
    GameState& S = G.State;
    if (CardNo < 1 || CardNo > CardCount || G.Steps.Held()) return;
    if (S.Deck[CardNo].Holder != Human || !S.GameInProgress || S.CardClickLock ||
        !G.Steps.AwaitingHuman(HumanWait::Card))
        return;
    if (!IsLegalForHuman(S, static_cast<int16_t>(CardNo), HumanPlaceInTrick(S) == 1)) {
        G.View.StatusPanel2 = S.PlayerName + " Sorry, you cannot play that card. Try again please";
        return;
    }
    // From this click until the human's next turn no other card may be taken, not even while
    // this one is still on its way to the table.
    S.CardClickLock = true;
    S.CardClicked = static_cast<int16_t>(CardNo);
    G.Steps.WakeHuman(HumanWait::Card);
}

Task<> HumanTurn(Game& G, int Place) {
    GameState& S = G.State;
    S.CardClickLock = false;
    G.View.StatusPanel2 = S.PlayerName + " please click on card you wish to play.";
    S.PlayerHasPlayed = false;
    co_await G.Steps.WaitForHuman(HumanWait::Card);

    const int16_t K = S.CardClicked;
    if (Place != 1) S.SuitLed = S.Deck[S.FirstCard].Suit;
    MoveToTrick(S, Human, K, Place);
    co_await PutOnTable(G, K);
    S.PlayerHasPlayed = true;
    S.CardClickLock = true;
    G.View.StatusPanel2 = S.PlayerName + " has played " + S.Deck[K].FullName;
}

} // namespace tarnwick
