// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a computer player looks for in its hand and on the table before it chooses a card. The order
// in which each search walks the deck is its tie-break, and so decides which of two cards it plays.
// None of them changes the game.

#include "rules/Card.h"
#include "rules/GameState.h"

#include <cstdint>

namespace tarnwick {

bool SeatHolds(const DeckOfCards& Deck, uint8_t Seat, int16_t CardNo);

// The seat's lowest card of the suit, 0 when it has none or the suit is not 1..4.
int16_t LowestOfSuit(const DeckOfCards& Deck, uint8_t Seat, uint8_t WantedSuit);

// The lowest card by value alone: a Two of Spades goes before a Three of Diamonds, and between two
// cards of one value the Diamond goes before the Club, the Club before the Heart.
int16_t LowestCard(const DeckOfCards& Deck, uint8_t Seat);
int16_t LowestNonSpade(const DeckOfCards& Deck, uint8_t Seat);

// The seat's first card in deck order: its lowest Diamond, else its lowest Club, and so on.
int16_t FirstInDeckOrder(const DeckOfCards& Deck, uint8_t Seat);

// The seat's cheapest card of ToBeat's suit that is higher than ToBeat, 0 when it has none.
int16_t LowestAbove(const DeckOfCards& Deck, uint8_t Seat, int16_t ToBeat);

bool HasSuitLed(const GameState& S, uint8_t Seat);
bool HasSpade(const DeckOfCards& Deck, uint8_t Seat);

// A King, Queen or Jack outside spades that no card still out can beat, because every card of its
// suit above it has been played. A Ten never counts, however many cards are gone.
bool IsMasterCard(const DeckOfCards& Deck, int16_t CardNo);

// Whether the second seat can take the lead card. Nothing beats a led Ace; a seat without the suit
// counts as able whenever it holds a spade.
bool CanBeatLead(const GameState& S, uint8_t Seat);

// The card winning the trick so far when the seat in Position (3 or 4) is about to play: the
// highest spade on the table, else the highest card of the suit led. 0 for any other Position.
int16_t WinningCardSoFar(const GameState& S, uint8_t Position);

// Whether the seat could take ToBeat. A seat that can trump is told yes without its spades being
// compared with ToBeat, so a caller facing a spade looks for a higher spade itself.
bool CanWinTrick(const GameState& S, uint8_t Seat, int16_t ToBeat);

} // namespace tarnwick
