// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameSounds.h"

#include "sim/Driver.h"
#include "sim/ScratchFolder.h"

#include <stdexcept>
#include <string_view>

namespace tarnwick::sound {

namespace {

class Collector final : public sim::TableWatcher {
public:
    void Stepped(const Game& G, uint64_t /*AtMs*/) override {
        Waiting = G.Flow.AwaitingHuman() || G.Flow.Held();
    }
    void Heard(std::string_view Sound, uint64_t AtMs) override {
        // The riffle opens every hand; the one of start-up stands alone and is left out below.
        if (Sound == "Riffle.wav") Hands.emplace_back();
        if (!Hands.empty()) Hands.back().Sounds.push_back({std::string(Sound), AtMs, Waiting});
        Waiting = false;
    }

    std::vector<HandSounds> Hands;

private:
    bool Waiting = false;
};

} // namespace

std::vector<HandSounds> HandsPlayed(uint64_t Seed, int Games, int16_t Target) {
    sim::ScratchFolder Records("tarnwick-sounds");
    Collector Heard;
    sim::Driver Table(Seed, Records.Path, Target, &Heard);
    std::vector<HandSounds> Hands;
    for (int Game = 0; Game < Games; ++Game) {
        Heard.Hands.clear();
        if (!Table.PlayGame()) throw std::runtime_error(Table.Problem());
        for (HandSounds& Hand : Heard.Hands)
            if (Hand.Sounds.size() > 1) Hands.push_back(std::move(Hand));
        if (!Hands.empty()) Hands.back().LastOfGame = true;
    }
    return Hands;
}

} // namespace tarnwick::sound
