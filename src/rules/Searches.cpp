// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Searches.h"

namespace tarnwick {

namespace {

constexpr bool IsSuit(uint8_t Suit) {
    return Suit >= Diamonds && Suit <= Spades;
}

// Value first, deck order second: this is what makes a Two of Spades lower than a Three of Diamonds.
int16_t LowestByValue(const DeckOfCards& Deck, uint8_t Seat, int16_t LastCard) {
    for (int16_t Value = 2; Value <= Ace; ++Value)
        for (int16_t K = 1; K <= LastCard; ++K)
            if (Deck[K].Value == Value && Deck[K].Holder == Seat) return K;
    return 0;
}

bool HoldsHigherOfSuit(const DeckOfCards& Deck, uint8_t Seat, uint8_t Suit, int16_t Value) {
    if (!IsSuit(Suit)) return false;
    for (int16_t K = FirstOfSuit(Suit); K <= LastOfSuit(Suit); ++K)
        if (Deck[K].Holder == Seat && Deck[K].Value > Value) return true;
    return false;
}

bool HoldsAnyOf(const DeckOfCards& Deck, uint8_t Seat, uint8_t Suit) {
    return LowestOfSuit(Deck, Seat, Suit) != 0;
}

} // namespace

bool SeatHolds(const DeckOfCards& Deck, uint8_t Seat, int16_t CardNo) {
    return Deck[CardNo].Holder == Seat;
}

int16_t LowestOfSuit(const DeckOfCards& Deck, uint8_t Seat, uint8_t WantedSuit) {
    if (!IsSuit(WantedSuit)) return 0;
    for (int16_t K = FirstOfSuit(WantedSuit); K <= LastOfSuit(WantedSuit); ++K)
        if (Deck[K].Holder == Seat) return K;
    return 0;
}

int16_t LowestCard(const DeckOfCards& Deck, uint8_t Seat) {
    return LowestByValue(Deck, Seat, CardCount);
}

int16_t LowestNonSpade(const DeckOfCards& Deck, uint8_t Seat) {
    return LowestByValue(Deck, Seat, LastOfSuit(Hearts));
}

int16_t FirstInDeckOrder(const DeckOfCards& Deck, uint8_t Seat) {
    for (uint8_t Suit = Diamonds; Suit <= Spades; ++Suit)
        if (const int16_t Card = LowestOfSuit(Deck, Seat, Suit)) return Card;
    return 0;
}

int16_t LowestAbove(const DeckOfCards& Deck, uint8_t Seat, int16_t ToBeat) {
    for (int16_t K = static_cast<int16_t>(ToBeat + 1); K <= LastOfSuit(Deck[ToBeat].Suit); ++K)
        if (Deck[K].Holder == Seat) return K;
    return 0;
}

bool HasSuitLed(const GameState& S, uint8_t Seat) {
    return HoldsAnyOf(S.Deck, Seat, S.SuitLed);
}

bool HasSpade(const DeckOfCards& Deck, uint8_t Seat) {
    return HoldsAnyOf(Deck, Seat, Spades);
}

bool IsMasterCard(const DeckOfCards& Deck, int16_t CardNo) {
    const Card& Candidate = Deck[CardNo];
    if (Candidate.Suit == Spades || Candidate.Value < Jack || Candidate.Value == Ace) return false;
    for (int16_t K = static_cast<int16_t>(CardNo + 1); K <= LastOfSuit(Candidate.Suit); ++K)
        if (!Deck[K].Played) return false;
    return true;
}

bool CanBeatLead(const GameState& S, uint8_t Seat) {
    if (!HasSuitLed(S, Seat)) return HasSpade(S.Deck, Seat);
    const int16_t Led = FirstCard(S);
    if (S.Deck[Led].Value == Ace) return false;
    return HoldsHigherOfSuit(S.Deck, Seat, S.SuitLed, S.Deck[Led].Value);
}

int16_t WinningCardSoFar(const GameState& S, uint8_t Position) {
    if (Position != 3 && Position != 4) return 0;
    const int16_t OnTable[] = {FirstCard(S), SecondCard(S), ThirdCard(S)};
    const int Count = Position - 1;

    int16_t BestSpade = 0;
    for (int I = 0; I < Count; ++I)
        if (IsSpade(OnTable[I]) && OnTable[I] > BestSpade) BestSpade = OnTable[I];
    if (BestSpade != 0) return BestSpade;

    int16_t Best = 0;
    for (int I = 0; I < Count; ++I)
        if (S.Deck[OnTable[I]].Suit == S.SuitLed && OnTable[I] > Best) Best = OnTable[I];
    return Best;
}

bool CanWinTrick(const GameState& S, uint8_t Seat, int16_t ToBeat) {
    const bool ToBeatFollowsSuit = S.Deck[ToBeat].Suit == S.SuitLed;
    const bool HoldsSuitLed = HasSuitLed(S, Seat);
    if (ToBeatFollowsSuit && HoldsHigherOfSuit(S.Deck, Seat, S.SuitLed, S.Deck[ToBeat].Value)) return true;
    return S.SuitLed != Spades && HasSpade(S.Deck, Seat) && !(ToBeatFollowsSuit && HoldsSuitLed);
}

} // namespace tarnwick
