// SPDX-License-Identifier: GPL-3.0-or-later
// Times the game's paced routines on the real Qt event loop: the riffle and the whole deal, run
// by the same flow and clock as in the window, against the pauses they are meant to take. Nothing
// is drawn and nothing sounds, so what is measured is the pacing itself: how closely the clock's
// timers and the flow's waits keep to the planned pauses.
//
// Usage: tarnwick_deal_timing [runs]   (10 runs of each when not given)
// The exit status is 1 when a median strays more than 5 % from its plan.

#include "gui/QtClock.h"
#include "rules/Card.h"
#include "flow/Game.h"
#include "flow/Pacing.h"
#include "flow/SilentSpeaker.h"
#include "flow/Task.h"
#include "flow/Deal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace tarnwick;

using Routine = Task<> (*)(Game&);

constexpr double TargetPercent = 5.0;

// Runs What to its end and reads the watch the moment it returns, before the loop winds down.
Task<> Timed(Game& G, Routine What, const QElapsedTimer& Watch, qint64& Nanoseconds, QEventLoop& Loop) {
    co_await What(G);
    Nanoseconds = Watch.nsecsElapsed();
    Loop.quit();
}

double RunOnce(Game& G, Routine What) {
    QEventLoop Loop;
    QElapsedTimer Watch;
    qint64 Nanoseconds = 0;
    Watch.start();
    G.Flow.Run(Timed(G, What, Watch, Nanoseconds, Loop));
    // A routine that never waited is already over, and a quit before exec would be lost.
    if (G.Flow.Running()) Loop.exec();
    return static_cast<double>(Nanoseconds) / 1e6;
}

double Median(std::vector<double> Values) {
    std::sort(Values.begin(), Values.end());
    const size_t Half = Values.size() / 2;
    return Values.size() % 2 ? Values[Half] : (Values[Half - 1] + Values[Half]) / 2;
}

struct Measurement {
    const char* Name;
    Routine What;
    double PlannedMs;
    int Pauses;
};

// Prints every run and the summary; true when the median keeps within the target.
bool Measure(Game& G, const Measurement& M, int Runs) {
    std::printf("%s: %d runs, planned %.0f ms in %d pauses\n", M.Name, Runs, M.PlannedMs, M.Pauses);
    std::vector<double> Durations;
    for (int Run = 1; Run <= Runs; ++Run) {
        for (int K = 1; K <= CardCount; ++K)
            G.State.Deck[K].Holder = InNoHand;
        G.State.BasePause = Pauses::Base;
        G.State.Dealer = static_cast<uint8_t>((Run - 1) % SeatCount);
        const double Ms = RunOnce(G, M.What);
        Durations.push_back(Ms);
        std::printf("  run %2d: %9.2f ms  (%+.2f %%)\n", Run, Ms, (Ms - M.PlannedMs) / M.PlannedMs * 100);
    }
    const double Mid = Median(Durations);
    const double Deviation = (Mid - M.PlannedMs) / M.PlannedMs * 100;
    const auto [Low, High] = std::minmax_element(Durations.begin(), Durations.end());
    const bool Met = std::fabs(Deviation) <= TargetPercent;
    std::printf("  min %.2f ms, max %.2f ms, late by %.3f ms a pause at the median\n", *Low, *High,
                (Mid - M.PlannedMs) / M.Pauses);
    std::printf("%s: median %.2f ms, planned %.0f ms, deviation %+.2f %% (target within %.0f %%): %s\n\n",
                M.Name, Mid, M.PlannedMs, Deviation, TargetPercent, Met ? "met" : "MISSED");
    return Met;
}

} // namespace

int main(int argc, char* argv[]) {
    // Each run shows as it ends, even when the output goes to a file or a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a runtime folder Qt complains on every start; a private one for the run keeps quiet.
    QTemporaryDir Runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && Runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", Runtime.path().toLocal8Bit());
    QApplication App(argc, argv);

    int Runs = 10;
    if (argc > 1) Runs = std::atoi(argv[1]);
    if (Runs < 1) {
        std::fprintf(stderr, "usage: %s [runs]   (runs >= 1, 10 when not given)\n", argv[0]);
        return 2;
    }

    QTemporaryDir Records;
    if (!Records.isValid()) {
        std::fprintf(stderr, "cannot make a temporary records folder\n");
        return 2;
    }
    QtClock Time;
    SilentSpeaker Quiet;
    Game G(Time, Quiet, 1, Records.path().toStdString());
    InitDeck(G.State.Deck);

    // The deal waits BasePause plus the extra before the first card, then each card flies in two
    // waits, except that the card for the seat across the table lands silently after one.
    constexpr int Circuits = 13, SoundedSeats = 3;
    constexpr int CardWaits = Circuits * (SoundedSeats * 2 + (SeatCount - SoundedSeats));
    constexpr double DealPlan =
        Pauses::Base + Pauses::BeforeDealExtra + static_cast<double>(CardWaits) * Pauses::DealtCard;
    const Measurement Riffling{"riffle", Riffle, Pauses::Riffle, 1};
    const Measurement Dealing{"deal", DealHand, DealPlan, 1 + CardWaits};

    bool AllMet = Measure(G, Riffling, Runs);
    AllMet = Measure(G, Dealing, Runs) && AllMet;
    return AllMet ? 0 : 1;
}
