// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/HandLog.h"

#include "sim/JsonLine.h"

#include <algorithm>

namespace tarnwick::sim {

namespace {

constexpr size_t FlushAt = 1 << 20;

} // namespace

HandLog::HandLog(std::FILE* Out, uint64_t Seed) : Out(Out), Seed(Seed) {
    Buffer.reserve(FlushAt + 4096);
    Deal.reserve(CardCount);
}

void HandLog::WriteIfFull() {
    if (Buffer.size() < FlushAt) return;
    if (std::fwrite(Buffer.data(), 1, Buffer.size(), Out) != Buffer.size()) WriteFailed = true;
    Buffer.clear();
}

bool HandLog::Finish() {
    if (!Buffer.empty() && std::fwrite(Buffer.data(), 1, Buffer.size(), Out) != Buffer.size())
        WriteFailed = true;
    Buffer.clear();
    if (std::fflush(Out) != 0) WriteFailed = true;
    return !WriteFailed;
}

void HandLog::GameStarting(const GameState& S, uint64_t Game) {
    GameNo = Game;
    HandsInGame = 0;
    ScoreBefore.fill(0);
    BagsBefore.fill(0);
    MoneyBefore = S.FunMoney;
    Deal.clear();
    for (auto& Hand : Hands)
        Hand.clear();
    JsonLine(Buffer)
        .Text("type", "game")
        .Number("game", static_cast<int64_t>(GameNo))
        .Number("target", S.TargetScore)
        .Number("seed", static_cast<int64_t>(Seed));
    WriteIfFull();
}

void HandLog::CardDealt(uint8_t Seat, int16_t CardNo) {
    Deal.push_back(CardNo);
    if (Seat < SeatCount) Hands[Seat].push_back(CardNo);
}

void HandLog::BiddingDone(const GameState& S) {
    HandNo = S.HandNumber;
    ++HandsInGame;
    TrickNo = 0;
    for (auto& Hand : Hands)
        std::sort(Hand.begin(), Hand.end());
    JsonLine(Buffer)
        .Text("type", "hand")
        .Number("game", static_cast<int64_t>(GameNo))
        .Number("hand", HandNo)
        .Number("dealer", S.Dealer)
        .Numbers("deal", Deal)
        .NumberLists("hands", Hands)
        .Numbers("bids", S.Bids)
        .Numbers("score_before", ScoreBefore)
        .Numbers("bags_before", BagsBefore);
    Deal.clear();
    for (auto& Hand : Hands)
        Hand.clear();
    WriteIfFull();
}

void HandLog::TrickDone(uint8_t Leader, const std::array<int16_t, 4>& Cards, uint8_t Winner) {
    JsonLine(Buffer)
        .Text("type", "trick")
        .Number("game", static_cast<int64_t>(GameNo))
        .Number("hand", HandNo)
        .Number("trick", ++TrickNo)
        .Number("leader", Leader)
        .Numbers("cards", Cards)
        .Number("winner", Winner);
    WriteIfFull();
}

void HandLog::HandScored(const GameState& S) {
    JsonLine(Buffer)
        .Text("type", "score")
        .Number("game", static_cast<int64_t>(GameNo))
        .Number("hand", HandNo)
        .Numbers("tricks", S.TricksWon)
        .Numbers("hand_score", S.HandScore)
        .Numbers("over_tricks", S.OverTricks)
        .Flags("penalty", S.BagPenalty)
        .Numbers("score", S.Score)
        .Numbers("bags", S.Bags);
    ScoreBefore = S.Score;
    BagsBefore = S.Bags;
    WriteIfFull();
}

void HandLog::GameOver(const GameState& S, const BySeat<int16_t>& FinalScore, int Winner) {
    JsonLine Line(Buffer);
    Line.Text("type", "end")
        .Number("game", static_cast<int64_t>(GameNo))
        .Number("hands", HandsInGame)
        .Numbers("score", FinalScore);
    if (Winner < 0)
        Line.Null("winner");
    else
        Line.Number("winner", Winner);
    Line.Numbers("money_before", MoneyBefore).Numbers("money", S.FunMoney).Numbers("games_won", S.GamesWon);
    MoneyBefore = S.FunMoney;
}

} // namespace tarnwick::sim
