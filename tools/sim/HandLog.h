// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hand history: every game, hand, trick, score and game end as one JSON line, in the order
// they happen. Cards are numbered 1..52, seats 0..3; games count from 1, hands from 1 within a
// game and tricks from 1 to 13 within a hand.

#include "sim/Listeners.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tarnwick::sim {

class HandLog final : public SimListener {
public:
    // Out stays open for the caller; Seed goes into every game line.
    HandLog(std::FILE* Out, uint64_t Seed);
    HandLog(const HandLog&) = delete;
    HandLog& operator=(const HandLog&) = delete;

    void GameStarting(const GameState& S, uint64_t GameNo) override;
    void CardDealt(uint8_t Seat, int16_t CardNo) override;
    void BiddingDone(const GameState& S) override;
    void TrickDone(uint8_t Leader, const std::array<int16_t, 4>& Cards, uint8_t Winner) override;
    void HandScored(const GameState& S) override;
    void GameOver(const GameState& S, const BySeat<int16_t>& FinalScore, int Winner) override;

    // Writes out what is still buffered; false when any write failed.
    bool Finish();

private:
    void WriteIfFull();

    std::FILE* Out;
    uint64_t Seed;
    std::string Buffer;
    bool WriteFailed = false;

    uint64_t GameNo = 0;
    int HandNo = 0;
    int HandsInGame = 0;
    int TrickNo = 0;
    std::vector<int16_t> Deal;
    BySeat<std::vector<int16_t>> Hands;
    BySeat<int16_t> ScoreBefore{}, BagsBefore{};
    BySeat<int32_t> MoneyBefore{};
};

} // namespace tarnwick::sim
