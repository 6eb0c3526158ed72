// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Rules.h"

#include <bit>
#include <cstddef>

namespace tarnwick::sim {

CardSet SuitCards(int Suit) {
    CardSet Cards = 0;
    for (int Card = 13 * (Suit - 1) + 1; Card <= 13 * Suit; ++Card)
        Cards |= CardBit(Card);
    return Cards;
}

int CountCards(CardSet Cards) {
    return std::popcount(Cards);
}

bool IsLegalPlay(CardSet Held, int Card, int LedCard, bool SpadesBroken) {
    if (!IsCard(Card) || (Held & CardBit(Card)) == 0) return false;
    if (LedCard == 0) return !IsSpade(Card) || SpadesBroken || (Held & ~SuitCards(4)) == 0;
    const int Led = SuitOf(LedCard);
    return SuitOf(Card) == Led || (Held & SuitCards(Led)) == 0;
}

int TrickWinner(const std::array<int16_t, 4>& Cards, int Leader) {
    std::size_t Best = 0;
    for (std::size_t I = 1; I < Cards.size(); ++I) {
        const int Card = Cards[I], Top = Cards[Best];
        const bool Beats =
            IsSpade(Card) ? !IsSpade(Top) || Card > Top : SuitOf(Card) == SuitOf(Top) && Card > Top;
        if (Beats) Best = I;
    }
    return (Leader + static_cast<int>(Best)) % 4;
}

int HandPointsFor(int Bid, int Tricks) {
    if (Bid == 0) return Tricks == 0 ? 200 : Tricks - 200;
    return Tricks >= Bid ? 10 * Bid + (Tricks - Bid) : -10 * Bid;
}

BagsAfterHand AddBags(int BagsBefore, int Bid, int Tricks) {
    BagsAfterHand After;
    After.Bags = BagsBefore;
    if (Tricks <= Bid) return After;
    After.OverTricks = Tricks - Bid;
    After.Bags += After.OverTricks;
    if (After.Bags >= 10) {
        After.Penalty = true;
        After.Bags -= 10;
    }
    return After;
}

int BotBidFor(CardSet Held, int Score, int Target) {
    int Count = 0;
    for (int Card = 1; Card <= 52; ++Card) {
        const int Rank = (Card - 1) % 13 + 2;
        if ((Held & CardBit(Card)) != 0 && Rank >= 13) ++Count;
    }
    if ((Held & CardBit(50)) != 0) ++Count;
    const int Bid = Count == 0 ? 1 : Count;
    return 10 * Bid + Score + 10 == Target ? Bid + 1 : Bid;
}

bool GameEndsAfter(int HandNo, const std::array<int16_t, 4>& Score, int Target) {
    for (const int16_t Points : Score)
        if (Points >= Target) return true;
    if (HandNo > 8) return true;
    if (HandNo < 8) return false;
    for (std::size_t A = 0; A < Score.size(); ++A)
        for (std::size_t B = A + 1; B < Score.size(); ++B)
            if (Score[A] == Score[B]) return false;
    return true;
}

int SoleWinner(const std::array<int16_t, 4>& Score) {
    std::size_t Best = 0;
    for (std::size_t Seat = 1; Seat < Score.size(); ++Seat)
        if (Score[Seat] > Score[Best]) Best = Seat;
    for (std::size_t Seat = 0; Seat < Score.size(); ++Seat)
        if (Seat != Best && Score[Seat] == Score[Best]) return -1;
    return static_cast<int>(Best);
}

} // namespace tarnwick::sim
