// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/SouthSeat.h"

#include "rules/BotPlay.h"
#include "flow/Bidding.h"
#include "rules/BotsBids.h"
#include "rules/Legality.h"
#include "commands/Clicks.h"

namespace tarnwick::sim {

namespace {

bool Taken(const GameState& S, int16_t Card) {
    return S.CardClickLock && S.CardClicked == Card;
}

// What the computer's rules may write as they choose.
struct TrickFields {
    int16_t First, Second, Third, Fourth;
    uint8_t SuitLed;
    bool SpadesBroken;
    bool operator==(const TrickFields&) const = default;
};

TrickFields TrickOf(const GameState& S) {
    return {S.FirstCard, S.SecondCard, S.ThirdCard, S.FourthCard, S.SuitLed, S.SpadesBroken};
}

void PutBack(GameState& S, const TrickFields& T) {
    S.FirstCard = T.First;
    S.SecondCard = T.Second;
    S.ThirdCard = T.Third;
    S.FourthCard = T.Fourth;
    S.SuitLed = T.SuitLed;
    S.SpadesBroken = T.SpadesBroken;
}

// Everything of the state but the card names, to see whether a choice left the table as it was.
bool SameTable(const GameState& A, const GameState& B) {
    for (int K = 1; K <= CardCount; ++K)
        if (A.Deck[K].Holder != B.Deck[K].Holder || A.Deck[K].Played != B.Deck[K].Played) return false;
    return TrickOf(A) == TrickOf(B) && A.PlayedCard == B.PlayedCard && A.CardsLeft == B.CardsLeft &&
           A.Leader == B.Leader && A.Bids == B.Bids && A.TricksWon == B.TricksWon && A.Score == B.Score &&
           A.Bags == B.Bags && A.CardClicked == B.CardClicked && A.CardClickLock == B.CardClickLock;
}

} // namespace

int16_t SouthSeat::ChooseBid(const GameState& S) {
    return AdjustedForTarget(BotsBids(S.Deck, Human), S.Score[Human], S.TargetScore);
}

int16_t SouthSeat::FirstLegalCard(const GameState& S) {
    const bool Leading = HumanPlaceInTrick(S) == 1;
    for (int16_t K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder == Human && IsLegalForHuman(S, K, Leading)) return K;
    return 0;
}

int16_t SouthSeat::ChooseCardInPlace(GameState& S) {
    const TrickFields Before = TrickOf(S);
    const int16_t Card = BotPlaysPlace(S, Human, HumanPlaceInTrick(S));
    PutBack(S, Before);
    return Card;
}

void SouthSeat::Bid(Game& G) const {
    Click(G, {Element::BidNumber, ChooseBid(G.State)});
}

bool SouthSeat::Play(Game& G, bool Verify) {
    int16_t Choice = 0;
    if (Verify) {
        // The copy is taken first; the table itself must come back to match it.
        Scratch = G.State;
        Choice = ChooseCardInPlace(G.State);
        if (!SameTable(Scratch, G.State)) {
            Problem = "choosing south's card changed the table beyond the trick";
            return false;
        }
        const int16_t OnACopy = BotPlaysPlace(Scratch, Human, HumanPlaceInTrick(Scratch));
        if (OnACopy != Choice) {
            Problem = "the computer chooses card " + std::to_string(OnACopy) +
                      " for south on a copy of the table, card " + std::to_string(Choice) +
                      " on the table itself";
            return false;
        }
    } else {
        Choice = ChooseCardInPlace(G.State);
    }
    Click(G, {Element::Card, Choice});
    if (Taken(G.State, Choice)) return true;
    ++FallbackCount;
    const int16_t Legal = FirstLegalCard(G.State);
    Click(G, {Element::Card, Legal});
    return Legal != 0 && Taken(G.State, Legal);
}

} // namespace tarnwick::sim
