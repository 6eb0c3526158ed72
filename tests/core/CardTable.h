// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table set up in a line: Desmond's hand, the cards gone this hand and the trick so far, with
// cards written as on a score sheet.

#include "rules/GameState.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::test {

inline constexpr uint8_t Me = North, Rest = East;

// Cards are written as on a score sheet: "TH" is the Ten of Hearts, "2S" the Two of Spades.
inline int16_t Named(std::string_view Name) {
    constexpr std::string_view Ranks = "23456789TJQKA", Suits = "DCHS";
    const size_t Rank = Ranks.find(Name.front()), Suit = Suits.find(Name.back());
    if (Name.size() != 2 || Rank == std::string_view::npos || Suit == std::string_view::npos)
        throw std::invalid_argument("no such card: " + std::string(Name));
    return CardOf(static_cast<int16_t>(Rank + 2), static_cast<uint8_t>(Suit + 1));
}

inline std::vector<int16_t> Cards(std::string_view Names) {
    std::vector<int16_t> Result;
    for (size_t At = 0; At < Names.size(); At += 3)
        Result.push_back(Named(Names.substr(At, 2)));
    return Result;
}

// Desmond holds Hand, the Gone cards have been played (the trick's cards too, played by the seats
// before Desmond's), and East holds everything else, so a search that strays outside Desmond's hand
// finds East's cards.
inline GameState TableFor(std::string_view Hand, std::string_view Gone = "", std::string_view Trick = "") {
    GameState S;
    InitDeck(S.Deck);
    for (int K = 1; K <= CardCount; ++K)
        S.Deck[K].Holder = Rest;
    for (const int16_t Card : Cards(Hand))
        S.Deck[Card].Holder = Me;
    const std::vector<int16_t> OnTable = Cards(Trick);
    for (const auto& Played : {Cards(Gone), OnTable})
        for (const int16_t Card : Played) {
            S.Deck[Card].Holder = InNoHand;
            S.Deck[Card].Played = true;
        }
    S.Leader = static_cast<uint8_t>((Me + SeatCount - OnTable.size()) % SeatCount);
    for (size_t I = 0; I < OnTable.size(); ++I)
        S.PlayedCard[(S.Leader + I) % SeatCount] = OnTable[I];
    if (!OnTable.empty()) S.SuitLed = S.Deck[OnTable[0]].Suit;
    return S;
}

} // namespace tarnwick::test
