// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everyone in the simulator who follows the games: the table's own events, plus the start of each
// game, which only the simulator knows about.

#include "flow/GameEvents.h"

#include <cstdint>
#include <vector>

namespace tarnwick::sim {

class SimListener : public GameEvents {
public:
    // New Game is about to be chosen for game number GameNo (from 1); S still holds the records
    // as the last game left them.
    virtual void GameStarting(const GameState& /*S*/, uint64_t /*GameNo*/) {}
};

// Tells every listener, in the order they were added.
class Broadcast final : public SimListener {
public:
    void Add(SimListener& Listener) { Everyone.push_back(&Listener); }

    void GameStarting(const GameState& S, uint64_t GameNo) override {
        for (SimListener* L : Everyone)
            L->GameStarting(S, GameNo);
    }
    void CardDealt(uint8_t Seat, int16_t CardNo) override {
        for (SimListener* L : Everyone)
            L->CardDealt(Seat, CardNo);
    }
    void BiddingDone(const GameState& S) override {
        for (SimListener* L : Everyone)
            L->BiddingDone(S);
    }
    void TrickDone(uint8_t Leader, const std::array<int16_t, 4>& Cards, uint8_t Winner) override {
        for (SimListener* L : Everyone)
            L->TrickDone(Leader, Cards, Winner);
    }
    void HandScored(const GameState& S) override {
        for (SimListener* L : Everyone)
            L->HandScored(S);
    }
    void DrawAnnounced(const GameState& S) override {
        for (SimListener* L : Everyone)
            L->DrawAnnounced(S);
    }
    void GameOver(const GameState& S, const BySeat<int16_t>& FinalScore, int Winner) override {
        for (SimListener* L : Everyone)
            L->GameOver(S, FinalScore, Winner);
    }

private:
    std::vector<SimListener*> Everyone;
};

} // namespace tarnwick::sim
