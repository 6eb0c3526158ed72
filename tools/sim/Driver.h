#pragma once
// One table for a whole run, as the window has it: a game object that lives from start-up to the
// last game, so the records carry over from game to game, on a virtual clock that jumps from one
// pause to the next. Every game starts with New Game; every wait of the human is answered through
// the human's own controls: the bid panel, a card, Continue and the message box's first button.

#include "sim/Invariants.h"
#include "sim/Listeners.h"
#include "sim/SouthSeat.h"
#include "state/Game.h"
#include "state/VirtualClock.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace tarnwick::sim {

class Driver {
public:
    // Starts the table up (records read from RecordsFolder) and sets the target from the menu.
    Driver(uint64_t Seed, const std::filesystem::path& RecordsFolder, int16_t Target);
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    void Listen(SimListener& Listener) { Everyone.Add(Listener); }
    // Checks the table at every wait as well as at every event; add it before the others listen.
    void CheckWith(Invariants& Checks);

    // Plays one whole game. False when it could not be finished; Problem() tells why.
    bool PlayGame();
    const std::string& Problem() const { return Trouble; }

    uint64_t GamesStarted() const { return GameNo; }
    // Virtual milliseconds since the first New Game.
    uint64_t VirtualMs() const { return Clock.Elapsed() - StartedAt; }
    uint64_t Fallbacks() const { return South.Fallbacks(); }
    uint64_t DrawsAnnounced() const { return Draws; }
    const Game& Table() const { return G; }

private:
    class SilentSpeaker final : public Speaker {
    public:
        void PlayWave(Wave) override {}
        void Beep() override {}
    };

    class EndWatch final : public SimListener {
    public:
        void GameOver(const GameState&, const BySeat<int16_t>&, int) override { Over = true; }
        bool Over = false;
    };

    bool Stop(std::string Why);
    // Answers whatever the table waits for; false when it waits for nothing the human could do.
    bool Answer();

    VirtualClock Clock;
    SilentSpeaker Quiet;
    Game G;
    Broadcast Everyone;
    EndWatch End;
    SouthSeat South;
    Invariants* Checks = nullptr;
    uint64_t StartedAt = 0;
    uint64_t GameNo = 0;
    uint64_t Draws = 0;
    std::string Trouble;
};

} // namespace tarnwick::sim
