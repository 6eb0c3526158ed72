// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look back over the hand's finished tricks, as the table shows it: one trick face up on the
// felt, each card where its seat played it, the winner's card marked, a caption under them and
// an arrow either side to step through the hand. The window draws it over the whole table.

#include "rules/Seats.h"
#include "flow/Elements.h"

#include <array>
#include <string>

namespace tarnwick {

struct ReviewCardBox {
    int Picture = 0;
    double Left = 0, Top = 0;
    bool Won = false;
    bool operator==(const ReviewCardBox&) const = default;
};

struct ReviewModel {
    // The menu entry and the rows of tricks won open it.
    bool Offered = false;
    bool Visible = false;
    // Indexed by seat.
    std::array<ReviewCardBox, SeatCount> Cards{};
    std::string Caption;
    // The caption and every card by seat, in the order played, for a screen reader.
    std::string Spoken;
    bool CanGoBack = false, CanGoOn = false;
    bool operator==(const ReviewModel&) const = default;
};

// What the hint marked, said aloud: it goes up by one for every hint given.
struct HintModel {
    bool Offered = false;
    std::string Said;
    uint32_t Given = 0;
    bool operator==(const HintModel&) const = default;
};

// The review's felt, its caption's strip and its two arrows, in twips from the table's top left.
namespace ReviewPlaces {
inline constexpr double FeltLeft = 2760, FeltTop = 2520, FeltWidth = 5772, FeltHeight = 4020;
inline constexpr double CaptionLeft = 3480, CaptionTop = 6120, CaptionWidth = 4332, CaptionHeight = 360;
inline constexpr double ArrowTop = 6090, ArrowWidth = 480, ArrowHeight = 420;
inline constexpr double BackArrowLeft = 2880, OnArrowLeft = 7932;
} // namespace ReviewPlaces

} // namespace tarnwick
