// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks the table after every step of every game: the pack, the hands, each card played, each
// trick, each hand's scoring and each game's settlement. Only the first thing found amiss is
// kept; the simulator stops there.

#include "sim/Listeners.h"
#include "sim/Rules.h"
#include "flow/Game.h"

#include <string>
#include <vector>

namespace tarnwick::sim {

class Invariants final : public SimListener {
public:
    void GameStarting(const GameState& S, uint64_t GameNo) override;
    void CardDealt(uint8_t Seat, int16_t CardNo) override;
    void BiddingDone(const GameState& S) override;
    void TrickDone(uint8_t Leader, const std::array<int16_t, 4>& Cards, uint8_t Winner) override;
    void HandScored(const GameState& S) override;
    void GameOver(const GameState& S, const BySeat<int16_t>& FinalScore, int Winner) override;

    // The table while the game stands still, waiting for the human or with nothing left to do.
    void AtWait(const Game& G);

    bool Broken() const { return !Violation.empty(); }
    const std::string& FirstViolation() const { return Violation; }
    // Things worth knowing that break no rule of the game.
    const std::vector<std::string>& Notes() const { return Remarks; }

private:
    enum class Phase : uint8_t { NoGame, BeforeDeal, Dealing, Playing, Scored, Over };

    void Fail(const std::string& What);
    void CheckPack(const GameState& S);
    void CheckHands(const GameState& S);

    std::string Violation;
    std::vector<std::string> Remarks;
    BySeat<bool> WrapNoted{};

    Phase Now = Phase::NoGame;
    uint64_t GameNo = 0;
    int16_t Target = 0;
    int HandsInGame = 0;
    bool EndDue = false;
    BySeat<int> RunningScore{}, RunningBags{};
    BySeat<int32_t> MoneyBefore{};
    BySeat<int16_t> GamesWonBefore{};
    int64_t MoneyTotal = 0;
    bool MoneyTotalKnown = false;

    // The hand under way.
    int HandNo = 0;
    int Dealer = -1;
    BySeat<CardSet> Hands{};
    CardSet Dealt = 0;
    int DealtCount = 0;
    int LastDealtSeat = 0;
    int FirstDealtSeat = 0;
    BySeat<int16_t> Bids{};
    int TrickNo = 0;
    int NextLeader = 0;
    bool SpadesBroken = false;
    BySeat<int16_t> TricksBySeat{};
};

} // namespace tarnwick::sim
