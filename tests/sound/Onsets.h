// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds in a recording where each sound asked for began: the opening of its own wave, matched by
// normalised correlation near the moment it was asked for. A sound counts as heard when its
// opening is there, at a level not far below the file's own.

#include "MonitorRecorder.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tarnwick::sound {

// Mono samples at the recorder's rate, -1..1.
using Signal = std::vector<float>;

// A 16-bit PCM wave file, mixed to mono and resampled; empty when it cannot be read.
Signal ReadWave(const std::filesystem::path& File);
// An Ogg Vorbis file (the sound theme's), the same way.
Signal ReadVorbis(const std::filesystem::path& File);

struct Opening {
    Signal Samples;
    double Energy = 0;
};
// The first Length of a sound that begins with silence trimmed away.
Opening OpeningOf(const Signal& Sound, std::chrono::milliseconds Length = std::chrono::milliseconds(8));

struct Found {
    size_t At = 0;
    double Likeness = 0; // normalised correlation, 1 for the very same shape
    double Level = 0;    // loudness beside the file's own
};
bool Heard(const Found& F);

// One sound asked of the speaker, by its name as the game tells it, and when.
struct Asked {
    std::string Sound;
    std::string Kind; // what the count is kept under: "riffle", "deal", "play", "ring", "bell"
    std::chrono::steady_clock::time_point At;
};

struct Count {
    int Asked = 0;
    int Heard = 0;
    std::vector<double> LateMs;
    std::vector<std::string> Missed; // each request not heard, and the best found for it
};
using Counts = std::map<std::string, Count>;

// The opening of every sound by its name.
using Openings = std::map<std::string, Opening>;

// Looks for each request's sound, in order, each found opening counted once: the first request
// heard places the rest, and every sound heard after it keeps the place of the next ones in step
// with the recording. A request's window runs from a little before where the sounds heard before
// it place it (or before the moment it was asked for, if that is earlier) to Latest after, or on to
// a little before the next request's place when that is later (200 ms at most).
Counts CountOnsets(const MonitorRecorder& Recorder, const std::vector<int16_t>& Recording, const Openings& Sounds,
                   const std::vector<Asked>& Requests, std::chrono::milliseconds Latest = std::chrono::milliseconds(60));

} // namespace tarnwick::sound
