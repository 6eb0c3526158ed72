// SPDX-License-Identifier: GPL-3.0-or-later
// How soon a sound asked of the window's speaker is heard: from the request to its first audible
// sample on the sound server's monitor, over many requests, beside paplay of the same file.
// Runs beside a sound server of its own:
//   tools/with_sound_server.sh build/bin/tarnwick_sound_latency [requests]

#include "MonitorRecorder.h"
#include "SpeakerDriver.h"
#include "gui/DesktopSpeaker.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace std::chrono_literals;
using tarnwick::sound::MonitorRecorder;
using tarnwick::sound::SteadyTime;
using tarnwick::sound::WaitUntil;
using Steady = std::chrono::steady_clock;

// One percent of full scale: far above the null sink's silence, far below any sound's first peak.
constexpr int Audible = 328;
// The card's sound is 75 ms long; the next request comes well after it has ended.
constexpr auto Spacing = 250ms;

struct Figures {
    std::vector<double> Ms;
    int Missed = 0;
};

Figures Measure(const MonitorRecorder& Recorder, const std::vector<SteadyTime>& Requests) {
    const std::vector<int16_t> Recording = Recorder.Samples();
    Figures F;
    for (const SteadyTime At : Requests) {
        const size_t From = Recorder.FrameAt(At - 2ms);
        const size_t To = std::min(Recording.size(), Recorder.FrameAt(At + Spacing));
        size_t Frame = From;
        while (Frame < To && std::abs(Recording[Frame]) < Audible)
            ++Frame;
        if (Frame >= To)
            ++F.Missed;
        else
            F.Ms.push_back(std::chrono::duration<double, std::milli>(Recorder.TimeOf(Frame) - At).count());
    }
    return F;
}

void Print(const char* What, Figures F) {
    std::sort(F.Ms.begin(), F.Ms.end());
    if (F.Ms.empty()) {
        std::printf("%-28s nothing heard of %d\n", What, F.Missed);
        return;
    }
    const auto At = [&F](double Part) { return F.Ms[static_cast<size_t>(Part * static_cast<double>(F.Ms.size() - 1))]; };
    std::printf("%-28s median %6.1f ms   p95 %6.1f ms   worst %6.1f ms   best %6.1f ms   not heard %d of %zu\n", What,
                At(0.5), At(0.95), F.Ms.back(), F.Ms.front(), F.Missed, F.Ms.size() + static_cast<size_t>(F.Missed));
}

bool Spawned(const std::string& File) {
    pid_t Child = 0;
    std::string Program = "paplay";
    std::string Argument = File;
    char* Argv[] = {Program.data(), Argument.data(), nullptr};
    if (posix_spawnp(&Child, "paplay", nullptr, nullptr, Argv, environ) != 0) return false;
    int Status = 0;
    waitpid(Child, &Status, 0);
    return WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication App(argc, argv);
    const int Requests = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::filesystem::path Folder = std::filesystem::path(argv[0]).parent_path();
    const std::filesystem::path Card = Folder / tarnwick::WaveFileName(tarnwick::Wave::CardDeal);
    if (!std::filesystem::exists(Card)) {
        std::fprintf(stderr, "no %s beside the bench\n", Card.c_str());
        return 2;
    }
    try {
        MonitorRecorder Recorder("tarnwick.monitor");
        if (!Recorder.WaitSteady()) {
            std::fprintf(stderr, "the monitor's samples never came in step with the clock\n");
            return 2;
        }
        std::vector<SteadyTime> Asked, Bells, Played;
        {
            tarnwick::DesktopSpeaker Speaker(QString::fromStdString(Folder.string()));
            WaitUntil(Steady::now() + 1s);
            for (int I = 0; I < Requests; ++I) {
                Asked.push_back(Steady::now());
                Speaker.PlayWave(tarnwick::Wave::CardDeal);
                WaitUntil(Asked.back() + Spacing);
            }
            // The bell rings longer; a quarter as many, each heard out.
            for (int I = 0; I < std::max(1, Requests / 4); ++I) {
                Bells.push_back(Steady::now());
                Speaker.Beep();
                WaitUntil(Bells.back() + 4 * Spacing);
            }
        }
        for (int I = 0; I < Requests; ++I) {
            Played.push_back(Steady::now());
            if (!Spawned(Card.string())) {
                std::fprintf(stderr, "paplay failed\n");
                return 2;
            }
            WaitUntil(std::max(Steady::now() + 50ms, Played.back() + Spacing));
        }
        Recorder.Stop();
        std::printf("From the request to the first audible sample on the monitor, %d requests:\n", Requests);
        const Figures Speaker = Measure(Recorder, Asked);
        Print("speaker, CardDeal1.wav", Speaker);
        Print("speaker, the desktop's bell", Measure(Recorder, Bells));
        Print("paplay CardDeal1.wav", Measure(Recorder, Played));
        std::vector<double> Sorted = Speaker.Ms;
        std::sort(Sorted.begin(), Sorted.end());
        // About a buffer and a half of the speaker's 10.7 ms.
        const bool Met = Speaker.Missed == 0 && !Sorted.empty() && Sorted[Sorted.size() / 2] <= 16.0;
        std::printf("target: every card sound heard, median within 16 ms: %s\n", Met ? "met" : "missed");
        return Met ? 0 : 1;
    } catch (const std::exception& E) {
        std::fprintf(stderr, "%s (run me through tools/with_sound_server.sh)\n", E.what());
        return 2;
    }
}
