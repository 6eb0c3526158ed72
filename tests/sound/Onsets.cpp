// SPDX-License-Identifier: GPL-3.0-or-later
#include "Onsets.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace tarnwick::sound {

namespace {

using namespace std::chrono_literals;

constexpr auto Before = 25ms;    // a sample's time is known to a few milliseconds, and a busy
                                 // machine can read it late
constexpr auto AfterNext = 10ms; // the next request cuts a sound off a little after it is made
constexpr float Silence = 0.01f;

Signal Resampled(const std::vector<float>& Mono, int FromRate) {
    if (Mono.empty() || FromRate <= 0) return {};
    const double Step = static_cast<double>(FromRate) / MonitorRecorder::Rate;
    Signal Out(static_cast<size_t>(static_cast<double>(Mono.size()) / Step));
    for (size_t I = 0; I < Out.size(); ++I) {
        const double Where = static_cast<double>(I) * Step;
        const auto Left = static_cast<size_t>(Where);
        const size_t Right = std::min(Left + 1, Mono.size() - 1);
        const double Part = Where - static_cast<double>(Left);
        Out[I] = static_cast<float>(Mono[Left] * (1 - Part) + Mono[Right] * Part);
    }
    return Out;
}

uint32_t Little(const char* Bytes, int Count) {
    uint32_t Value = 0;
    for (int I = Count - 1; I >= 0; --I)
        Value = Value << 8 | static_cast<unsigned char>(Bytes[I]);
    return Value;
}

} // namespace

Signal ReadWave(const std::filesystem::path& File) {
    std::ifstream In(File, std::ios::binary);
    const std::string Bytes((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
    if (Bytes.size() < 12 || Bytes.compare(0, 4, "RIFF") != 0 || Bytes.compare(8, 4, "WAVE") != 0) return {};
    int Channels = 0, Rate = 0, Bits = 0;
    for (size_t At = 12; At + 8 <= Bytes.size();) {
        const std::string Id = Bytes.substr(At, 4);
        const size_t Size = Little(&Bytes[At + 4], 4);
        const size_t Body = At + 8;
        if (Body + Size > Bytes.size()) break;
        if (Id == "fmt " && Size >= 16) {
            Channels = static_cast<int>(Little(&Bytes[Body + 2], 2));
            Rate = static_cast<int>(Little(&Bytes[Body + 4], 4));
            Bits = static_cast<int>(Little(&Bytes[Body + 14], 2));
        } else if (Id == "data" && Channels > 0 && Bits == 16) {
            std::vector<float> Mono(Size / 2 / static_cast<size_t>(Channels));
            for (size_t Frame = 0; Frame < Mono.size(); ++Frame) {
                float Sum = 0;
                for (int C = 0; C < Channels; ++C) {
                    const size_t Sample = Body + (Frame * static_cast<size_t>(Channels) + static_cast<size_t>(C)) * 2;
                    Sum += static_cast<float>(static_cast<int16_t>(Little(&Bytes[Sample], 2))) / 32768.0f;
                }
                Mono[Frame] = Sum / static_cast<float>(Channels);
            }
            return Resampled(Mono, Rate);
        }
        At = Body + Size + (Size & 1);
    }
    return {};
}

Signal ReadVorbis(const std::filesystem::path& File) {
    OggVorbis_File Vorbis;
    if (ov_fopen(File.c_str(), &Vorbis) != 0) return {};
    const vorbis_info* Info = ov_info(&Vorbis, -1);
    const int Channels = Info ? Info->channels : 0;
    const int Rate = Info ? static_cast<int>(Info->rate) : 0;
    std::vector<float> Mono;
    for (;;) {
        float** Pcm = nullptr;
        int Section = 0;
        const long Frames = ov_read_float(&Vorbis, &Pcm, 4096, &Section);
        if (Frames <= 0 || Channels <= 0) break;
        for (long Frame = 0; Frame < Frames; ++Frame) {
            float Sum = 0;
            for (int C = 0; C < Channels; ++C)
                Sum += Pcm[C][Frame];
            Mono.push_back(Sum / static_cast<float>(Channels));
        }
    }
    ov_clear(&Vorbis);
    return Resampled(Mono, Rate);
}

Opening OpeningOf(const Signal& Sound, std::chrono::milliseconds Length) {
    const auto First = std::find_if(Sound.begin(), Sound.end(), [](float S) { return std::abs(S) > Silence; });
    const auto Wanted = static_cast<size_t>(Length.count() * MonitorRecorder::Rate / 1000);
    Opening O;
    O.Samples.assign(First, First + std::min<ptrdiff_t>(static_cast<ptrdiff_t>(Wanted), Sound.end() - First));
    for (const float S : O.Samples)
        O.Energy += static_cast<double>(S) * S;
    return O;
}

Found BestMatch(const std::vector<int16_t>& Recording, const Opening& Sound, size_t From, size_t To) {
    Found Best;
    const size_t Length = Sound.Samples.size();
    if (Length == 0 || Sound.Energy <= 0) return Best;
    To = std::min(To, Recording.size() >= Length ? Recording.size() - Length : 0);
    for (size_t At = From; At < To; ++At) {
        double Cross = 0, Energy = 0;
        for (size_t I = 0; I < Length; ++I) {
            const double R = Recording[At + I] / 32768.0;
            Cross += R * Sound.Samples[I];
            Energy += R * R;
        }
        if (Energy <= 0) continue;
        const double Likeness = Cross / std::sqrt(Energy * Sound.Energy);
        if (Likeness > Best.Likeness) Best = {At, Likeness, std::sqrt(Energy / Sound.Energy)};
    }
    return Best;
}

// A sound that is there scores 0.55 and up even when a busy machine has broken it up; where none
// started, the best found in the window, a tail or silence, scores below 0.35.
bool Heard(const Found& F) { return F.Likeness >= 0.45 && F.Level >= 0.3; }

Counts CountOnsets(const MonitorRecorder& Recorder, const std::vector<int16_t>& Recording, const Openings& Sounds,
                   const std::vector<Asked>& Requests, std::chrono::milliseconds Latest) {
    Counts Tally;
    size_t Earliest = 0;
    for (size_t I = 0; I < Requests.size(); ++I) {
        const Asked& R = Requests[I];
        Count& C = Tally[R.Kind];
        ++C.Asked;
        const auto Sound = Sounds.find(R.Sound);
        if (Sound == Sounds.end()) continue;
        auto Until = R.At + Latest;
        if (I + 1 < Requests.size()) Until = std::min(Until, Requests[I + 1].At + AfterNext);
        // The window's length in samples, from where the request falls in the recording.
        const size_t Start = Recorder.FrameAt(R.At - Before);
        const auto Length = static_cast<size_t>(std::chrono::duration<double>(Until - (R.At - Before)).count() *
                                                MonitorRecorder::Rate);
        const Found F = BestMatch(Recording, Sound->second, std::max(Earliest, Start), Start + Length);
        if (!Heard(F)) {
            char Line[160];
            std::snprintf(Line, sizeof Line, "#%zu: best likeness %.2f at level %.2f, %+.1f ms", I, F.Likeness, F.Level,
                          std::chrono::duration<double, std::milli>(Recorder.TimeOf(F.At) - R.At).count());
            C.Missed.emplace_back(Line);
            continue;
        }
        ++C.Heard;
        C.LateMs.push_back(std::chrono::duration<double, std::milli>(Recorder.TimeOf(F.At) - R.At).count());
        Earliest = F.At + MonitorRecorder::Rate / 200;
    }
    return Tally;
}

} // namespace tarnwick::sound
