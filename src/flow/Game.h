// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One game at the table: its variables, what the table shows, and the services it runs on (the
// clock, the speaker, the random generator, the folder of the records files). Nothing here is
// global, so tests and the simulator can run many games side by side.

#include "flow/Answer.h"
#include "flow/Clock.h"
#include "flow/FlowRunner.h"
#include "flow/GameEvents.h"
#include "rules/GameState.h"
#include "flow/RandomGenerator.h"
#include "flow/Sounds.h"
#include "flow/DisplayModel.h"
#include "flow/KeyFocus.h"

#include <filesystem>
#include <functional>
#include <utility>

namespace tarnwick {

struct Game {
    Game(Clock& Time, Speaker& Sounds, uint64_t Seed, std::filesystem::path RecordsFolder)
        : Time(Time), Sounds(Sounds), Flow(Time), Random(Seed), RecordsFolder(std::move(RecordsFolder)) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState State;
    DisplayModel View;
    Clock& Time;
    Speaker& Sounds;
    FlowRunner Flow;
    RandomGenerator Random;
    std::filesystem::path RecordsFolder;
    // Where an earlier run may have kept the records, read from when RecordsFolder has none yet.
    std::filesystem::path EarlierRecordsFolder;
    // A failed save has been told to the player; the next save that succeeds clears it.
    bool SaveFailureTold = false;
    // Closes every window of the program but the table; the window sets it. Exit runs it before
    // the records are written.
    std::function<void()> CloseWindows;
    // What goes on once the open message box or name box has been answered.
    FollowUp AfterAnswer;
    // The question open now, kept by Questions.
    OpenQuestion Asked;
    // The menus rest while the cards are dealt; written by the deal together with the model's.
    bool MenusRest = false;
    // The statistics frame is open, and the times it has been brought to the front.
    bool StatisticsOpen = false;
    uint32_t StatisticsRaised = 0;
    // The hints given so far; the window tells the player of each new one.
    uint32_t HintsGiven = 0;
    // Where the keys have put the focus in each place of the table.
    KeyFocus Focus;
    // The finished trick the review shows, 0 for the hand's first; -1 while it is closed.
    int Reviewed = -1;
    // Told of every deal, bidding, trick, score and game end; nobody listens by default.
    GameEvents* Events = &Nobody;

private:
    GameEvents Nobody;
};

} // namespace tarnwick
