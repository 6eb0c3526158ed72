// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game at a table with no window: a virtual clock, a speaker that writes down what it was asked
// to play and when, and a records folder of its own.

#include "flow/Bidding.h"
#include "rules/Legality.h"
#include "flow/HandScoring.h"
#include "commands/Clicks.h"
#include "commands/Commands.h"
#include "flow/Questions.h"
#include "sim/ScratchFolder.h"
#include "flow/Game.h"
#include "flow/SilentSpeaker.h"
#include "flow/VirtualClock.h"
#include "flow/StartUp.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace tarnwick::test {

// One sound as the speaker heard it: the wave's file name or "beep", at the virtual millisecond.
struct Heard {
    std::string What;
    uint64_t At = 0;
};

class RecordingSpeaker {
public:
    explicit RecordingSpeaker(const VirtualClock& Time) : Time(Time) {}

    // What the game plays its sounds on.
    Speaker& Out() { return Quiet; }

    // The times at which one kind of sound started, in order.
    std::vector<uint64_t> TimesOf(const std::string& What) const {
        std::vector<uint64_t> Times;
        for (const Heard& H : Sounds)
            if (H.What == What) Times.push_back(H.At);
        return Times;
    }

    std::vector<Heard> Sounds;

private:
    const VirtualClock& Time;
    SilentSpeaker Quiet{[this](std::string_view What) {
        Sounds.push_back({std::string(What), Time.Elapsed()});
    }};
};

// A file's bytes, or "<none>" when there is no such file.
inline std::string Contents(const std::filesystem::path& File) {
    std::ifstream In(File, std::ios::binary);
    if (!In) return "<none>";
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

struct Table {
    explicit Table(uint64_t Seed = 1, uint32_t StartTick = 0)
        : Clock(StartTick), G(Clock, Speaker.Out(), Seed, Folder.Path) {}

    // The window opens: start-up runs to its end, the pack riffled onto the table.
    void StartUp() {
        G.Flow.Run(Form_Load(G));
        Clock.RunUntilIdle();
    }

    // Start-up, then F2: the first hand runs to its first wait for the human.
    void NewGame() {
        StartUp();
        Click(G, {Element::NewGame});
        Clock.RunUntilIdle();
    }

    std::string File(const char* Name) const { return Contents(Folder.Path / Name); }

    sim::ScratchFolder Folder;
    VirtualClock Clock;
    RecordingSpeaker Speaker{Clock};
    Game G;
};

// The card numbers a seat holds, lowest first.
inline std::vector<int> CardsOf(const GameState& S, int Seat) {
    std::vector<int> Cards;
    for (int K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder == Seat) Cards.push_back(K);
    return Cards;
}

// Puts every card back in the pack, then gives each seat the cards listed for it.
inline void GiveCards(GameState& S, const std::vector<std::vector<int16_t>>& BySeat) {
    for (int K = 1; K <= CardCount; ++K)
        S.Deck[K].Holder = InNoHand;
    for (size_t Seat = 0; Seat < BySeat.size(); ++Seat)
        for (int K : BySeat[Seat])
            S.Deck[K].Holder = static_cast<int16_t>(Seat);
}

// The captions of a row of four labels, the human's first, each followed by "|".
inline std::string Row(const std::array<LabelBox, SeatCount>& Labels) {
    std::string Shown;
    for (const LabelBox& L : Labels)
        Shown += L.Caption + "|";
    return Shown;
}

// The four seat name labels, the human's first.
inline std::vector<std::string> SeatLabels(const DisplayModel& V) {
    return {V.LblName.Caption, V.LblWestName.Caption, V.LblNorthName.Caption, V.LblBeatrix.Caption};
}

// The human's first card that the rules allow, 0 when it is not the human's turn to play.
inline int16_t FirstLegal(const GameState& S) {
    const bool Leading = HumanPlaceInTrick(S) == 1;
    for (int K : CardsOf(S, Human))
        if (IsLegalForHuman(S, static_cast<int16_t>(K), Leading)) return static_cast<int16_t>(K);
    return 0;
}

// The human who bids 1, plays the first card the rules allow and presses Continue and O.K, until
// Stop holds or the game has run its course.
inline void PlayScripted(
    Table& T, const std::function<bool()>& Stop = [] { return false; }) {
    Game& G = T.G;
    for (int Step = 0; Step < 5000; ++Step) {
        T.Clock.RunUntilIdle();
        if (Stop() || !G.Flow.Running()) return;
        if (G.View.MessageBox.Visible)
            Click(G, {Element::MessageButton, 0});
        else if (G.View.FramBids.Visible)
            Click(G, {Element::BidNumber, 1});
        else if (G.View.FramResults.Visible)
            Click(G, {Element::Continue});
        else
            Click(G, {Element::Card, FirstLegal(G.State)});
    }
    ADD_FAILURE() << "the game never settled";
}

// With this seed the first hand of the first game is dealt by Beatrix, so the human bids first.
inline constexpr uint64_t BeatrixDealsFirst = 3;

} // namespace tarnwick::test
