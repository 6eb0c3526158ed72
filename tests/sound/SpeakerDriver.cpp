// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeakerDriver.h"

#include <QEventLoop>
#include <QTimer>

#include <thread>

namespace tarnwick::sound {

namespace {

using Steady = std::chrono::steady_clock;

// Nothing starts in the game's longer pauses (the bids, the computer's turns, the trick left on
// the table): shortened to this, a hand sounds as it does in a third of its time.
constexpr uint64_t LongestGap = 250;

void Ask(Speaker& Out, const std::string& Sound) {
    if (Sound == "beep")
        Out.Beep();
    else if (Sound == WaveFileName(Wave::Riffle))
        Out.PlayWave(Wave::Riffle);
    else if (Sound == WaveFileName(Wave::CardDeal))
        Out.PlayWave(Wave::CardDeal);
    else
        Out.PlayWave(Wave::RingOut);
}

// What a sound is counted as: the riffle, a card of the deal or of the play, the bell of a bid,
// the ring of the results or the ring of a box that follows them.
std::string KindOf(const std::string& Sound, bool Bidding, int& Rings, bool Alone) {
    // The last bid's bell and the first card led come together; the card's click hides the
    // bell's soft opening.
    if (Sound == "beep") return Alone ? "bell" : "bell under a card";
    if (Sound == WaveFileName(Wave::Riffle)) return "riffle";
    if (Sound == WaveFileName(Wave::CardDeal)) return Bidding ? "play" : "deal";
    return Rings++ == 0 ? "results" : "box";
}

} // namespace

void WaitUntil(Steady::time_point At) {
    const auto Left = std::chrono::duration_cast<std::chrono::milliseconds>(At - Steady::now());
    if (Left.count() > 1) {
        QEventLoop Loop;
        QTimer::singleShot(static_cast<int>(Left.count() - 1), Qt::PreciseTimer, &Loop, &QEventLoop::quit);
        Loop.exec();
    }
    std::this_thread::sleep_until(At);
}

std::vector<Asked> PlayAtPace(Speaker& Out, const HandSounds& Hand, std::chrono::milliseconds Think) {
    std::vector<Asked> Played;
    if (Hand.Sounds.empty()) return Played;
    bool Bidding = false;
    int Rings = 0;
    Steady::time_point Start = Steady::now();
    const uint64_t FirstMs = Hand.Sounds.front().AtMs;
    uint64_t PreviousMs = FirstMs;
    for (size_t I = 0; I < Hand.Sounds.size(); ++I) {
        const GameSound& S = Hand.Sounds[I];
        const bool Alone = I + 1 == Hand.Sounds.size() || Hand.Sounds[I + 1].AtMs > S.AtMs;
        if (S.AfterHuman) Start += Think;
        const uint64_t Gap = S.AtMs - PreviousMs;
        if (Gap > LongestGap) Start -= std::chrono::milliseconds(Gap - LongestGap);
        PreviousMs = S.AtMs;
        WaitUntil(Start + std::chrono::milliseconds(S.AtMs - FirstMs));
        Bidding = Bidding || S.Sound == "beep";
        const std::string Kind = KindOf(S.Sound, Bidding, Rings, Alone);
        Played.push_back({S.Sound, Kind, Steady::now()});
        Ask(Out, S.Sound);
    }
    return Played;
}

void PlayFast(Speaker& Out, const std::vector<HandSounds>& Hands, std::chrono::milliseconds Gap) {
    Steady::time_point Next = Steady::now();
    for (const HandSounds& Hand : Hands)
        for (const GameSound& S : Hand.Sounds) {
            WaitUntil(Next);
            Ask(Out, S.Sound);
            Next += Gap;
        }
}

} // namespace tarnwick::sound
