// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clicks on the table itself: a card, a bid, Continue, a button of the message box, and the
// name box's answer. Each is heard only while the game waits for it.

#include "commands/ClickResult.h"
#include "flow/Game.h"

#include <optional>
#include <string>

namespace tarnwick {

// A click on card CardNo. Heard only for a card in the human's hand while the human is to play;
// a card the rules refuse leaves everything as it was but the message, and is Refused.
ClickResult Cds_Click(Game& G, int CardNo);

// A click on bid number Index (0 for nil); only heard while the panel is shown.
ClickResult LblBids_Click(Game& G, int Index);

// The results frame's Continue button.
ClickResult CmdClose_Click(Game& G);

// A click on button Index of the open message box.
ClickResult Label1_Click(Game& G, int Index);

// The name box's answer: the text typed, or nothing when it was cancelled.
ClickResult NameInput_Closed(Game& G, std::optional<std::string> Typed);

} // namespace tarnwick
