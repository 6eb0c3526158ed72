// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records a sound server's monitor source (everything its sink plays) from a thread of its own, in
// 1 ms pieces, and tells at what moment of the steady clock each recorded sample was played. A
// sink does not hand its monitor exactly its rate's samples a second (a null sink with streams
// coming and going hands it a millisecond or two more), so each sample is timed by the pieces
// that arrived around it, not by one line through the whole recording.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tarnwick::sound {

using SteadyTime = std::chrono::steady_clock::time_point;

class MonitorRecorder {
public:
    static constexpr int Rate = 48000;

    // Throws std::runtime_error when the source cannot be recorded.
    explicit MonitorRecorder(const std::string& Source);
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;
    ~MonitorRecorder();

    // Waits until the samples come in step with the clock (a sink idle until now sends its first
    // ones late, in one block); false when they do not within a few seconds.
    bool WaitSteady();
    void Stop();

    // Mono 16-bit samples at Rate, from the first one recorded.
    std::vector<int16_t> Samples() const;
    // When sample Frame was played, and the first sample played at or after At.
    SteadyTime TimeOf(size_t Frame) const;
    size_t FrameAt(SteadyTime At) const;

private:
    void Run();

    std::string Source;
    mutable std::mutex Lock;
    std::vector<int16_t> Recorded;
    struct Piece {
        size_t End;          // frames recorded with it
        SteadyTime Arrived;
    };
    // The pieces since the samples came in step with the clock.
    std::vector<Piece> Pieces;
    bool Steady = false;
    std::string Failure;
    bool Connected = false;
    std::atomic<bool> Stopping{false};
    std::thread Reader;
};

} // namespace tarnwick::sound
