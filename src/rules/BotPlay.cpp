// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/BotPlay.h"

#include "rules/Searches.h"

#include <array>

namespace tarnwick {

namespace {

constexpr std::array<uint8_t, 3> PlainSuits = {Diamonds, Clubs, Hearts};
constexpr std::array<int16_t, 3> MasterRanks = {King, Queen, Jack};

// The computer never leads the Ace of Spades for its own sake: only plain-suit Aces are cashed.
int16_t LeadAce(const GameState& S, uint8_t Seat) {
    for (const uint8_t Suit : PlainSuits)
        if (SeatHolds(S.Deck, Seat, CardOf(Ace, Suit))) return CardOf(Ace, Suit);
    return 0;
}

// Every master King is tried before any master Queen, and every Queen before any Jack.
int16_t LeadMasterCard(const GameState& S, uint8_t Seat) {
    for (const int16_t Rank : MasterRanks)
        for (const uint8_t Suit : PlainSuits) {
            const int16_t Card = CardOf(Rank, Suit);
            if (SeatHolds(S.Deck, Seat, Card) && IsMasterCard(S.Deck, Card)) return Card;
        }
    return 0;
}

bool AnySpadePlayed(const GameState& S) {
    for (int16_t K = FirstOfSuit(Spades); K <= LastOfSuit(Spades); ++K)
        if (S.Deck[K].Played) return true;
    return false;
}

// The computer trusts only the cards gone this hand, not the flag as it was left.
int16_t LeadLow(const GameState& S, uint8_t Seat) {
    if (AnySpadePlayed(S)) return LowestCard(S.Deck, Seat);
    const int16_t Plain = LowestNonSpade(S.Deck, Seat);
    return Plain != 0 ? Plain : LowestCard(S.Deck, Seat);
}

// Second place takes the lead with its surest card: the Ace, then a master card, and otherwise the
// cheapest card that still beats the lead.
int16_t SecondTakesLead(const GameState& S, uint8_t Seat) {
    const int16_t AceLed = CardOf(Ace, S.SuitLed);
    if (SeatHolds(S.Deck, Seat, AceLed)) return AceLed;
    if (S.SuitLed != Spades)
        for (const int16_t Rank : MasterRanks) {
            const int16_t Card = CardOf(Rank, S.SuitLed);
            if (SeatHolds(S.Deck, Seat, Card) && IsMasterCard(S.Deck, Card)) return Card;
        }
    return LowestAbove(S.Deck, Seat, FirstCard(S));
}

// A seat out of the suit led trumps low, or over a spade already on the table climbs just above it.
// Returns 0 when it has no spade that would take the lead.
int16_t TrumpOver(const GameState& S, uint8_t Seat, int16_t Winning) {
    if (S.SuitLed == Spades) return 0;
    if (!IsSpade(Winning)) return LowestOfSuit(S.Deck, Seat, Spades);
    return LowestAbove(S.Deck, Seat, Winning);
}

} // namespace

int16_t BotLeads(const GameState& S, uint8_t Seat) {
    int16_t Card = LeadAce(S, Seat);
    if (Card == 0) Card = LeadMasterCard(S, Seat);
    if (Card == 0) Card = LeadLow(S, Seat);
    return Card;
}

int16_t BotPlaysSecond(const GameState& S, uint8_t Seat) {
    int16_t Card = 0;
    if (HasSuitLed(S, Seat)) {
        Card = CanBeatLead(S, Seat) ? SecondTakesLead(S, Seat) : LowestOfSuit(S.Deck, Seat, S.SuitLed);
    } else if (S.SuitLed == Spades || !HasSpade(S.Deck, Seat)) {
        Card = LowestCard(S.Deck, Seat);
    } else {
        // Second place trumps at once with its lowest spade, spades broken or not.
        Card = LowestOfSuit(S.Deck, Seat, Spades);
    }
    return Card;
}

int16_t BotPlaysThird(const GameState& S, uint8_t Seat) {
    const int16_t Winning = WinningCardSoFar(S, 3);
    int16_t Card = 0;
    if (HasSuitLed(S, Seat)) {
        const bool Trumped = S.SuitLed != Spades && IsSpade(Winning);
        if (!Trumped && CanWinTrick(S, Seat, Winning)) Card = LowestAbove(S.Deck, Seat, Winning);
        if (Card == 0) Card = LowestOfSuit(S.Deck, Seat, S.SuitLed);
    } else {
        Card = TrumpOver(S, Seat, Winning);
        // Third place throws off by suit, not by value: its lowest Diamond before a lower Club.
        if (Card == 0) Card = FirstInDeckOrder(S.Deck, Seat);
    }
    return Card;
}

int16_t BotPlaysFourth(const GameState& S, uint8_t Seat) {
    const int16_t Winning = WinningCardSoFar(S, 4);
    int16_t Card = 0;
    if (HasSuitLed(S, Seat)) {
        if (S.Deck[Winning].Suit == S.SuitLed) Card = LowestAbove(S.Deck, Seat, Winning);
        if (Card == 0) Card = LowestOfSuit(S.Deck, Seat, S.SuitLed);
    } else {
        Card = TrumpOver(S, Seat, Winning);
        // With nothing that wins, even a low spade may go, since the discard is by value alone.
        if (Card == 0) Card = LowestCard(S.Deck, Seat);
    }
    return Card;
}

int16_t BotPlaysPlace(const GameState& S, uint8_t Seat, int Place) {
    switch (Place) {
    case 1:
        return BotLeads(S, Seat);
    case 2:
        return BotPlaysSecond(S, Seat);
    case 3:
        return BotPlaysThird(S, Seat);
    default:
        return BotPlaysFourth(S, Seat);
    }
}

} // namespace tarnwick
