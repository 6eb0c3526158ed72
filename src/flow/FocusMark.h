// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard's focus mark as the table shows it: which card, bid number or button it lies on,
// and whether it shows at all. It shows only once a key has been used.

#include "flow/Elements.h"

namespace tarnwick {

struct FocusMark {
    bool Shown = false;
    Clickable On;
    bool operator==(const FocusMark&) const = default;
};

} // namespace tarnwick
