// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every place a card takes on the table, in twips: the pack, a dealt card's flight, each seat's
// line of cards in hand, each seat's card played to a trick, where a trick is gathered and where
// its last card lands on the winner's side.

#include "rules/Seats.h"

#include <array>
#include <cstdint>

namespace tarnwick {

struct CardPlace {
    double Left, Top;
};

// Where every card box starts, hidden, before the first riffle.
inline constexpr CardPlace CardBoxesStart{4920, 3960};

// The pack stacked in the middle of the table: card 1 here, each next card Step up and right.
inline constexpr CardPlace PackBottom{5040, 3720};
inline constexpr CardPlace PackStep{2, -2};

// A dealt card first flies towards its seat, then to the last point of its flight, which the
// layout of the hand overtakes at once.
struct DealMoves {
    CardPlace First, Second;
    bool Sounds;
};
inline constexpr std::array<DealMoves, SeatCount> DealFlights = {{
    {{4400, 4400}, {3840.57, 4400}, true},
    {{3720, 3840}, {2400, 3240}, true},
    {{4560, 3000}, {3840, 192}, false},
    {{6240, 3480}, {8520, 2900}, true},
}};

// A seat's hand lies along a line from its first card, each next card a step further.
struct HandLine {
    double Left, Top, StepLeft, StepTop;
};
inline constexpr std::array<HandLine, SeatCount> HandLines = {{
    {3500, 6600, 450, 0},
    {1920, 2700, 0, 175},
    {3840, 1320, 175, 0},
    {8550, 2700, 0, 175},
}};

// Where the i-th card of a seat's hand lies.
constexpr CardPlace HandPlace(uint8_t Seat, int Index) {
    const HandLine& L = HandLines.at(Seat);
    return {L.Left + L.StepLeft * Index, L.Top + L.StepTop * Index};
}

// Where each seat's card lies in the middle of the table once played to a trick.
inline constexpr std::array<CardPlace, SeatCount> PlacesOnTable = {{
    {5040, 4920},
    {3000, 3720},
    {5040, 2880},
    {7080, 3720},
}};

constexpr CardPlace PlaceOnTable(uint8_t Seat) {
    return PlacesOnTable.at(Seat);
}

// A finished trick gathers face down here.
inline constexpr CardPlace Gathered{5160, 3780};

// The last card of a trick flies off towards the winner's side. It passes a first point on its
// way (south 5520, 5400; west 3360, 3720; north 5520, 2040; east 8040, 3480) without a pause, so
// only where it lands is ever seen.
inline constexpr std::array<CardPlace, SeatCount> TowardsWinner = {{
    {5640, 6960},
    {1320, 3720},
    {5520, 600},
    {10080, 3360},
}};

} // namespace tarnwick
