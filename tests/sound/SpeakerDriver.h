// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the sounds of hands through a real speaker: at the game's own pace, as a player hears
// them, or as fast as requests can follow one another. The Qt event loop runs while it waits, as
// the window's would.

#include "GameSounds.h"
#include "Onsets.h"
#include "flow/Sounds.h"

#include <chrono>
#include <vector>

namespace tarnwick::sound {

// Each sound at its time from the hand's riffle, a human's Think added before every one that
// follows an answer of the human; the card sounds before the first bid are the deal's.
std::vector<Asked> PlayAtPace(Speaker& Out, const HandSounds& Hand, std::chrono::milliseconds Think);

// Every sound of the hands, one Gap after the other.
void PlayFast(Speaker& Out, const std::vector<HandSounds>& Hands, std::chrono::milliseconds Gap);

// Runs the event loop until At.
void WaitUntil(std::chrono::steady_clock::time_point At);

} // namespace tarnwick::sound
