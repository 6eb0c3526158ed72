// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Tally.h"

#include "records/Records.h"

#include <array>
#include <cstdio>

namespace tarnwick::sim {

namespace {

constexpr uint8_t LastRegularHand = 8;

std::string Fixed(double Value, int Decimals) {
    char Text[64];
    std::snprintf(Text, sizeof Text, "%.*f", Decimals, Value);
    return Text;
}

template <class T> uint64_t Sum(const BySeat<T>& Values) {
    uint64_t Total = 0;
    for (const T Value : Values)
        Total += Value;
    return Total;
}

} // namespace

void Tally::GameStarting(const GameState& S, uint64_t /*GameNo*/) {
    if (Started) return;
    Started = true;
    PlayerName = S.PlayerName;
    MoneyAtStart = Money = S.FunMoney;
}

void Tally::BiddingDone(const GameState& /*S*/) {
    ++HandsPlayed;
}

void Tally::TrickDone(uint8_t /*Leader*/, const std::array<int16_t, 4>& /*Cards*/, uint8_t /*Winner*/) {
    ++TricksPlayed;
}

void Tally::HandScored(const GameState& S) {
    if (S.HandNumber > LastRegularHand) ++ExtraHands;
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        if (S.Bids[Seat] == 0) ++(S.TricksWon[Seat] == 0 ? NilsMade : NilsFailed)[Seat];
        if (S.BagPenalty[Seat]) ++BagPenalties[Seat];
    }
}

void Tally::GameOver(const GameState& S, const BySeat<int16_t>& /*FinalScore*/, int Winner) {
    ++GamesOver;
    if (Winner < 0)
        ++NoWinner;
    else
        ++GamesWon.at(static_cast<size_t>(Winner));
    Money = S.FunMoney;
}

void Tally::Print(std::ostream& Out, const RunFigures& Run) const {
    const double Hands = static_cast<double>(HandsPlayed);
    auto Line = [&Out](const char* What, const std::string& Value) {
        Out << "  " << What << std::string(28 - std::string(What).size(), ' ') << Value << '\n';
    };
    Out << "Tarnwick simulator: seed " << Run.Seed << ", target " << Run.Target << "\n";
    Line("games", std::to_string(GamesOver));
    Line("hands",
         std::to_string(HandsPlayed) +
             (GamesOver ? " (" + Fixed(Hands / static_cast<double>(GamesOver), 2) + " a game)" : ""));
    Line("tricks", std::to_string(TricksPlayed));
    Line("wall time", Fixed(Run.WallSeconds, 3) + " s");
    Line("hands per second", Run.WallSeconds > 0 ? Fixed(Hands / Run.WallSeconds, 0) : "-");
    const double VirtualSeconds = static_cast<double>(Run.VirtualMs) / 1000;
    Line("virtual play time", Fixed(VirtualSeconds / 3600, 2) + " h" +
                                  (HandsPlayed ? ", " + Fixed(VirtualSeconds / Hands, 2) + " s a hand" : ""));
    Line("games without a winner", std::to_string(NoWinner));
    Line("draws announced", std::to_string(Run.Draws));
    Line("extra hands after a draw", std::to_string(ExtraHands));
    Line("nil bids made / failed", std::to_string(Sum(NilsMade)) + " / " + std::to_string(Sum(NilsFailed)));
    Line("bag penalties", std::to_string(Sum(BagPenalties)));
    Line("south's fallback cards", std::to_string(Run.Fallbacks));

    const std::array<std::string, SeatCount> Names = {"South (" + PlayerName + ")", "Rodrick (west)",
                                                      "Desmond (north)", "Beatrix (east)"};
    Out << "\n  seat              games won    share   fun money   won this run   bag penalties\n";
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        char Row[200];
        const double Share =
            GamesOver ? 100.0 * static_cast<double>(GamesWon[Seat]) / static_cast<double>(GamesOver) : 0;
        std::snprintf(Row, sizeof Row, "  %-18s %9llu  %6.2f %%  %10s  %13s  %14llu\n", Names[Seat].c_str(),
                      static_cast<unsigned long long>(GamesWon[Seat]), Share, MoneyText(Money[Seat]).c_str(),
                      MoneyText(Money[Seat] - MoneyAtStart[Seat]).c_str(),
                      static_cast<unsigned long long>(BagPenalties[Seat]));
        Out << Row;
    }
}

} // namespace tarnwick::sim
