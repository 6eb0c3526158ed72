#include "play/HumanPlay.h"

#include "state/Pacing.h"

namespace tarnwick {

namespace {

// Where the human's card lies on the table.
constexpr double HumanCardLeft = 5040, HumanCardTop = 4920;

bool HoldsAnyNonSpade(const GameState& S) {
    for (int K = 1; K < 40; ++K)
        if (S.Deck[K].Holder == Human) return true;
    return false;
}

bool HoldsSuit(const GameState& S, uint8_t Suit) {
    for (int K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder == Human && S.Deck[K].Suit == Suit) return true;
    return false;
}

void RecordInTrick(GameState& S, int16_t CardNo, int Place) {
    switch (Place) {
    case 1:
        S.FirstCard = CardNo;
        S.SuitLed = S.Deck[CardNo].Suit;
        break;
    case 2:
        S.SecondCard = CardNo;
        break;
    case 3:
        S.ThirdCard = CardNo;
        break;
    default:
        S.FourthCard = CardNo;
        break;
    }
}

Task<> PutOnTable(Game& G, int16_t CardNo, int Place) {
    GameState& S = G.State;
    RecordInTrick(S, CardNo, Place);
    S.PlayedCard[Human] = CardNo;
    --S.CardsLeft[Human];
    S.Deck[CardNo].Holder = OnItsWayToTable;
    S.Deck[CardNo].Played = true;
    CardBox& Box = G.View.Cds.at(static_cast<size_t>(CardNo));
    Box.Left = HumanCardLeft;
    Box.Top = HumanCardTop;
    co_await DealSound(G);
    S.Deck[CardNo].Holder = InNoHand;
    co_await Pause(G);
}

} // namespace

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
    const bool Leading = S.CardsLeft[East] == S.CardsLeft[Human];
    if (!IsLegalForHuman(S, static_cast<int16_t>(CardNo), Leading)) {
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
    co_await PutOnTable(G, K, Place);
    S.PlayerHasPlayed = true;
    S.Deck[K].Holder = InNoHand;
    S.Deck[K].Played = true;
    S.PlayedCard[Human] = K;
    if (K >= 40) S.SpadesBroken = true;
    S.CardClickLock = true;
    G.View.StatusPanel2 = S.PlayerName + " has played " + S.Deck[K].FullName;
}

} // namespace tarnwick
