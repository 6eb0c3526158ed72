// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the game's own work, with Google Benchmark:
//   WholeFlow       whole games through the window's handlers on a virtual clock, the display
//                   model kept up to date and every pause counted but not waited; hands a second.
//   BotLeads ...    one call of the computer's card choice in each place of a trick, on prepared
//                   tables from all through a hand.
// Build the project, then run build/bin/tarnwick_flow_bench (see bench/README.md).

#include "sim/Driver.h"
#include "sim/Listeners.h"
#include "sim/ScratchFolder.h"

#include "rules/BotPlay.h"
#include "flow/Tricks.h"
#include "rules/Trick.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;

class HandCounter final : public sim::SimListener {
public:
    void BiddingDone(const GameState&) override { ++Hands; }
    uint64_t Hands = 0;
};

void WholeFlow(benchmark::State& State) {
    // The records a won game writes go to memory when it can, so the figure is the game's, not the disk's.
    sim::ScratchFolder Folder("tarnwick-bench");
    sim::Driver Table(1, Folder.Path, static_cast<int16_t>(State.range(0)));
    HandCounter Counter;
    Table.Listen(Counter);
    for (auto _ : State)
        if (!Table.PlayGame()) State.SkipWithError(Table.Problem().c_str());
    State.counters["hands"] =
        benchmark::Counter(static_cast<double>(Counter.Hands), benchmark::Counter::kIsRate);
    State.counters["hands_per_game"] =
        static_cast<double>(Counter.Hands) / static_cast<double>(State.iterations());
}
BENCHMARK(WholeFlow)->Arg(300)->Arg(100)->Unit(benchmark::kMicrosecond);

// Tables ready for a computer player's card in one place of a trick: fresh deals, then as many
// tricks played by the computer's own rules as Tricks says, then the cards before it in its trick.
class Positions {
public:
    static constexpr uint8_t Chooser = West;

    explicit Positions(int Place) {
        std::mt19937_64 Generator(Place);
        for (int Deal = 0; Deal < 64; ++Deal) {
            GameState S;
            InitDeck(S.Deck);
            DealRandomly(S, Generator);
            const auto Tricks = static_cast<int>(Generator() % 12);
            uint8_t Leader = static_cast<uint8_t>(Generator() % SeatCount);
            for (int Trick = 0; Trick < Tricks; ++Trick)
                Leader = PlayTrick(S, Leader, 4);
            // The chooser sits in place Place: the leader is that many seats before it.
            Leader = static_cast<uint8_t>((Chooser + SeatCount - (Place - 1)) % SeatCount);
            PlayTrick(S, Leader, Place - 1);
            Tables.push_back(S);
        }
    }

    std::vector<GameState> Tables;

private:
    static void DealRandomly(GameState& S, std::mt19937_64& Generator) {
        std::vector<int16_t> Pack(CardCount);
        for (int16_t K = 0; K < CardCount; ++K)
            Pack[static_cast<size_t>(K)] = static_cast<int16_t>(K + 1);
        std::shuffle(Pack.begin(), Pack.end(), Generator);
        for (size_t I = 0; I < Pack.size(); ++I)
            S.Deck[Pack[I]].Holder = static_cast<int16_t>(I % SeatCount);
    }

    // Plays Cards cards of a trick from Leader on; a whole trick returns its winner.
    static uint8_t PlayTrick(GameState& S, uint8_t Leader, int Cards) {
        S.Leader = Leader;
        uint8_t Seat = Leader;
        for (int Place = 1; Place <= Cards; ++Place, Seat = NextSeat(Seat)) {
            MoveToTrick(S, Seat, BotPlaysPlace(S, Seat, Place), Place);
        }
        return Cards == SeatCount ? GetWinner(S) : Leader;
    }
};

template <int Place> void BotChoice(benchmark::State& State) {
    Positions Prepared(Place);
    size_t Next = 0;
    for (auto _ : State) {
        GameState& S = Prepared.Tables[Next];
        Next = (Next + 1) % Prepared.Tables.size();
        int16_t Card = 0;
        if constexpr (Place == 1)
            Card = BotLeads(S, Positions::Chooser);
        else if constexpr (Place == 2)
            Card = BotPlaysSecond(S, Positions::Chooser);
        else if constexpr (Place == 3)
            Card = BotPlaysThird(S, Positions::Chooser);
        else
            Card = BotPlaysFourth(S, Positions::Chooser);
        benchmark::DoNotOptimize(Card);
    }
}
BENCHMARK(BotChoice<1>)->Name("BotLeads");
BENCHMARK(BotChoice<2>)->Name("BotPlaysSecond");
BENCHMARK(BotChoice<3>)->Name("BotPlaysThird");
BENCHMARK(BotChoice<4>)->Name("BotPlaysFourth");

} // namespace

BENCHMARK_MAIN();
