// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonitorRecorder.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tarnwick::sound {

namespace {

using namespace std::chrono_literals;

constexpr size_t PieceFrames = MonitorRecorder::Rate / 1000;

std::chrono::nanoseconds Duration(size_t Frames) {
    return std::chrono::nanoseconds(static_cast<int64_t>(Frames) * 1'000'000'000 / MonitorRecorder::Rate);
}

} // namespace

MonitorRecorder::MonitorRecorder(const std::string& Source) : Source(Source), Reader([this] { Run(); }) {
    for (int Tries = 0; Tries < 500; ++Tries) {
        {
            std::lock_guard Hold(Lock);
            if (Connected) return;
            if (!Failure.empty()) break;
        }
        std::this_thread::sleep_for(10ms);
    }
    Stop();
    std::lock_guard Hold(Lock);
    throw std::runtime_error("cannot record " + this->Source + ": " + (Failure.empty() ? "no answer" : Failure));
}

MonitorRecorder::~MonitorRecorder() { Stop(); }

void MonitorRecorder::Stop() {
    Stopping = true;
    if (Reader.joinable()) Reader.join();
}

void MonitorRecorder::Run() {
    const pa_sample_spec Format{PA_SAMPLE_S16LE, Rate, 1};
    pa_buffer_attr Buffer{};
    Buffer.maxlength = static_cast<uint32_t>(-1);
    Buffer.fragsize = static_cast<uint32_t>(PieceFrames * sizeof(int16_t));
    int Error = 0;
    pa_simple* Stream = pa_simple_new(nullptr, "Tarnwick sound check", PA_STREAM_RECORD, Source.c_str(), "monitor",
                                      &Format, nullptr, &Buffer, &Error);
    {
        std::lock_guard Hold(Lock);
        if (!Stream) {
            Failure = pa_strerror(Error);
            return;
        }
        Connected = true;
    }
    std::array<int16_t, PieceFrames> Piece{};
    while (!Stopping) {
        if (pa_simple_read(Stream, Piece.data(), sizeof(Piece), &Error) < 0) break;
        // The server tells how long ago the sample after this piece was played, so a reader held
        // up on a busy machine still times what it reads late.
        const pa_usec_t Behind = pa_simple_get_latency(Stream, &Error);
        SteadyTime Arrived = std::chrono::steady_clock::now() -
                             std::chrono::microseconds(Behind == static_cast<pa_usec_t>(-1) ? 0 : Behind);
        std::lock_guard Hold(Lock);
        Recorded.insert(Recorded.end(), Piece.begin(), Piece.end());
        // Kept in order, so the pieces can be searched by time.
        if (!Pieces.empty()) Arrived = std::max(Arrived, Pieces.back().Arrived);
        if (Steady) Pieces.push_back({Recorded.size(), Arrived});
    }
    pa_simple_free(Stream);
}

bool MonitorRecorder::WaitSteady() {
    // Steady once a quarter of a second of samples has come in within a quarter of a second.
    const SteadyTime GiveUp = std::chrono::steady_clock::now() + 5s;
    while (std::chrono::steady_clock::now() < GiveUp) {
        size_t Before = 0;
        {
            std::lock_guard Hold(Lock);
            Before = Recorded.size();
        }
        const SteadyTime From = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(250ms);
        std::lock_guard Hold(Lock);
        const auto Came = Duration(Recorded.size() - Before);
        const auto Took = std::chrono::steady_clock::now() - From;
        if (Before > 0 && Came > Took - 20ms && Came < Took + 20ms) {
            Steady = true;
            return true;
        }
    }
    return false;
}

std::vector<int16_t> MonitorRecorder::Samples() const {
    std::lock_guard Hold(Lock);
    return Recorded;
}

// A piece arrives at the earliest when its last sample has been played; the earliest of the
// pieces of the next 50 ms, each less the samples after Frame, is when Frame was.
SteadyTime MonitorRecorder::TimeOf(size_t Frame) const {
    std::lock_guard Hold(Lock);
    if (Pieces.empty()) return {};
    auto P = std::lower_bound(Pieces.begin(), Pieces.end(), Frame,
                              [](const Piece& Each, size_t F) { return Each.End < F; });
    if (P == Pieces.end()) return Pieces.back().Arrived - Duration(Pieces.back().End) + Duration(Frame);
    SteadyTime Earliest = SteadyTime::max();
    for (; P != Pieces.end() && P->End <= Frame + Rate / 20; ++P)
        Earliest = std::min(Earliest, P->Arrived - Duration(P->End - Frame));
    return Earliest;
}

size_t MonitorRecorder::FrameAt(SteadyTime At) const {
    size_t Frame = 0;
    {
        std::lock_guard Hold(Lock);
        if (Pieces.empty()) return 0;
        const auto P = std::lower_bound(Pieces.begin(), Pieces.end(), At,
                                        [](const Piece& Each, SteadyTime T) { return Each.Arrived < T; });
        const Piece& Near = P == Pieces.end() ? Pieces.back() : *P;
        const auto Back = static_cast<int64_t>(std::chrono::duration<double>(Near.Arrived - At).count() * Rate);
        Frame = static_cast<size_t>(std::max<int64_t>(0, static_cast<int64_t>(Near.End) - Back));
    }
    // Twice corrected by the time found for the frame guessed.
    for (int Round = 0; Round < 2; ++Round) {
        const auto Off = static_cast<int64_t>(std::chrono::duration<double>(TimeOf(Frame) - At).count() * Rate);
        Frame = static_cast<size_t>(std::max<int64_t>(0, static_cast<int64_t>(Frame) - Off));
    }
    return Frame;
}

} // namespace tarnwick::sound
