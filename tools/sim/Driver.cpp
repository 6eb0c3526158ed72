// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Driver.h"

#include "flow/HandScoring.h"
#include "commands/Clicks.h"
#include "commands/Commands.h"
#include "flow/Questions.h"
#include "flow/Scores.h"
#include "flow/StartUp.h"

namespace tarnwick::sim {

namespace {

// A game has at most nine hands of fifteen waits each, and a box or two; far more means the
// table goes round in circles.
constexpr int MaxWaitsInGame = 1000;

} // namespace

Driver::Driver(uint64_t Seed, const std::filesystem::path& RecordsFolder, int16_t Target,
               TableWatcher* Watcher)
    : Watcher(Watcher), G(Clock, Quiet, Seed, RecordsFolder) {
    G.Events = &Everyone;
    G.Flow.SetAfterEachStep([this] { Stepped(); });
    Everyone.Add(End);
    G.Flow.Run(Form_Load(G));
    Clock.RunUntilIdle();
    switch (Target) {
    case 100:
        Click(G, {Element::Target100});
        break;
    case 200:
        Click(G, {Element::Target200});
        break;
    default:
        Click(G, {Element::Target300});
        break;
    }
    Stepped();
    if (G.State.TargetScore != Target)
        Stop("the Options menu did not set the target " + std::to_string(Target));
    StartedAt = Clock.Elapsed();
}

void Driver::CheckWith(Invariants& Check) {
    Checks = &Check;
    Everyone.Add(Check);
}

bool Driver::Stop(std::string Why) {
    if (Trouble.empty()) Trouble = std::move(Why);
    return false;
}

bool Driver::AnswerQuestion() {
    GameState& S = G.State;
    const DisplayModel& V = G.View;
    if (V.MessageBox.Visible) {
        Click(G, {Element::MessageButton, 0});
        return true;
    }
    if (V.FramBids.Visible) {
        South.Bid(G);
        return true;
    }
    if (V.FramResults.Visible) {
        Click(G, {Element::Continue});
        return true;
    }
    if (G.Flow.AwaitingHuman(HumanWait::Card) && S.GameInProgress && !S.CardClickLock) {
        if (South.Play(G)) return true;
        return Stop("game " + std::to_string(GameNo) + ": no card of south's was taken");
    }
    return false;
}

bool Driver::PlayGame() {
    if (!Trouble.empty()) return false;
    const std::string Which = "game " + std::to_string(GameNo + 1);
    End.Over = false;
    Everyone.GameStarting(G.State, ++GameNo);
    Click(G, {Element::NewGame});
    Stepped();
    if (!G.Flow.Running()) return Stop(Which + ": New Game did not start a game");
    for (int Waits = 0;; ++Waits) {
        Clock.RunUntilIdle();
        if (Checks) {
            Checks->AtWait(G);
            if (Checks->Broken()) return Stop(Checks->FirstViolation());
        }
        if (!G.Flow.Running()) break;
        if (Waits > MaxWaitsInGame)
            return Stop(Which + ": still not over after " + std::to_string(Waits) + " waits");
        if (!AnswerQuestion()) return Stop(Which + ": the table waits, and not for anything the human could do");
        Stepped();
    }
    if (!End.Over) return Stop(Which + ": the game stopped without being over");
    return true;
}

} // namespace tarnwick::sim
