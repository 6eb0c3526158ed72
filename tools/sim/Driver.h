// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One table for a whole run, as the window has it: a game object that lives from start-up to the
// last game, so the records carry over from game to game, on a virtual clock that jumps from one
// pause to the next. Every game starts with New Game; every wait of the human is answered through
// the human's own controls: the bid panel, a card, Continue and the message box's first button.

#include "sim/Invariants.h"
#include "sim/Listeners.h"
#include "sim/SouthSeat.h"
#include "flow/Game.h"
#include "flow/SilentSpeaker.h"
#include "flow/VirtualClock.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarnwick::sim {

// Sees the table as the player would: after every step of the game and every answer of the
// human, and every sound asked for. Times are virtual milliseconds since the table was made.
class TableWatcher {
public:
    virtual ~TableWatcher() = default;
    virtual void Stepped(const Game& /*G*/, uint64_t /*AtMs*/) {}
    virtual void Heard(std::string_view /*Sound*/, uint64_t /*AtMs*/) {}
};

class Driver {
public:
    // Starts the table up (records read from RecordsFolder) and sets the target from the menu.
    Driver(uint64_t Seed, const std::filesystem::path& RecordsFolder, int16_t Target,
           TableWatcher* Watcher = nullptr);
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    void Listen(SimListener& Listener) { Everyone.Add(Listener); }
    // Checks the table at every wait as well as at every event; add it before the others listen.
    void CheckWith(Invariants& Checks);

    // Plays one whole game. False when it could not be finished; Problem() tells why.
    bool PlayGame();
    const std::string& Problem() const { return Trouble; }

    // Virtual milliseconds since the first New Game.
    uint64_t VirtualMs() const { return Clock.Elapsed() - StartedAt; }
    uint64_t Fallbacks() const { return South.Fallbacks(); }
    uint64_t DrawsAnnounced() const { return End.Draws; }
    const Game& Table() const { return G; }

private:
    // Whether the game under way is over, and the draws announced so far.
    class EndWatch final : public SimListener {
    public:
        void DrawAnnounced(const GameState&) override { ++Draws; }
        void GameOver(const GameState&, const BySeat<int16_t>&, int) override { Over = true; }
        bool Over = false;
        uint64_t Draws = 0;
    };

    bool Stop(std::string Why);
    void Tell(std::string_view Sound) {
        if (Watcher) Watcher->Heard(Sound, Clock.Elapsed());
    }
    void Stepped() {
        if (Watcher) Watcher->Stepped(G, Clock.Elapsed());
    }
    // Answers whatever the table waits for; false when it waits for nothing the human could do.
    bool AnswerQuestion();

    TableWatcher* Watcher;
    VirtualClock Clock;
    // Plays nothing; tells the watcher, if any, what would have been heard.
    SilentSpeaker Quiet{[this](std::string_view Sound) { Tell(Sound); }};
    Game G;
    Broadcast Everyone;
    EndWatch End;
    SouthSeat South;
    Invariants* Checks = nullptr;
    uint64_t StartedAt = 0;
    uint64_t GameNo = 0;
    std::string Trouble;
};

} // namespace tarnwick::sim
