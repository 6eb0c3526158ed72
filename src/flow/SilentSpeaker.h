// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The speaker of a table nobody hears: the simulator's, the benchmarks' and the tests'. It plays
// nothing, but whoever wants to know what the player would have heard is told every sound as it
// starts, by its wave's file name or as "beep".

#include "flow/Sounds.h"

#include <functional>
#include <string_view>
#include <utility>

namespace tarnwick {

class SilentSpeaker final : public Speaker {
public:
    using Listener = std::function<void(std::string_view Sound)>;

    explicit SilentSpeaker(Listener Told = {}) : Told(std::move(Told)) {}

    void PlayWave(Wave W) override { Tell(WaveFileName(W)); }
    void Beep() override { Tell("beep"); }

private:
    void Tell(std::string_view Sound) const {
        if (Told) Told(Sound);
    }

    Listener Told;
};

} // namespace tarnwick
