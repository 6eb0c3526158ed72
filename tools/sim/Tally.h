// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of a run: games, hands, tricks, winners, money, nil bids, bags and draws, and the
// summary printed at the end.

#include "sim/Listeners.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace tarnwick::sim {

// What only the one running the games knows.
struct RunFigures {
    double WallSeconds = 0;
    // Virtual milliseconds the games took at the table's own pace, every pause counted.
    uint64_t VirtualMs = 0;
    uint64_t Fallbacks = 0;
    // Draws the table announced after an eighth hand.
    uint64_t Draws = 0;
    uint64_t Seed = 0;
    int16_t Target = 0;
};

class Tally final : public SimListener {
public:
    void GameStarting(const GameState& S, uint64_t GameNo) override;
    void BiddingDone(const GameState& S) override;
    void TrickDone(uint8_t Leader, const std::array<int16_t, 4>& Cards, uint8_t Winner) override;
    void HandScored(const GameState& S) override;
    void GameOver(const GameState& S, const BySeat<int16_t>& FinalScore, int Winner) override;

    uint64_t Games() const { return GamesOver; }
    uint64_t Hands() const { return HandsPlayed; }
    uint64_t Tricks() const { return TricksPlayed; }

    void Print(std::ostream& Out, const RunFigures& Run) const;

private:
    bool Started = false;
    std::string PlayerName;
    BySeat<int32_t> MoneyAtStart{}, Money{};
    BySeat<uint64_t> GamesWon{}, NilsMade{}, NilsFailed{}, BagPenalties{};
    uint64_t GamesOver = 0, HandsPlayed = 0, TricksPlayed = 0, ExtraHands = 0, NoWinner = 0;
};

} // namespace tarnwick::sim
