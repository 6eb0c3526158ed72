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

// Around the moment where the sounds heard so far place a request: a busy machine plays a sound a
// little early or late beside its neighbours, and holds the speaker's thread up for a while.
constexpr auto Early = 25ms;
// A sound held up on a busy machine is still heard if it comes before the next one asked for, and
// the medians of the count say whether the sounds come on time; no later than this, though.
constexpr auto Longest = 200ms;
// The first sound of a run is placed by the recorder's clock alone, which a busy machine puts off
// by a few tens of milliseconds.
constexpr auto AnchorSlack = 60ms;
// Where the correlation peaks just after its opening first shows.
constexpr auto Peak = 3ms;
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

long Frames(std::chrono::duration<double> Span) { return std::lround(Span.count() * MonitorRecorder::Rate); }

size_t Clamped(long Frame) { return static_cast<size_t>(std::max(0L, Frame)); }

// The best match of the opening in Recording[From, To), or with First the best within a few
// milliseconds of the first place the opening is heard: the earliest of two sounds in the window
// is the one asked for first.
Found Match(const std::vector<int16_t>& Recording, const Opening& Sound, size_t From, size_t To, bool First) {
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
        const Found Here{At, Cross / std::sqrt(Energy * Sound.Energy), std::sqrt(Energy / Sound.Energy)};
        if (Here.Likeness <= Best.Likeness) continue;
        const bool WasHeard = Heard(Best);
        if (First && WasHeard && !Heard(Here)) continue;
        Best = Here;
        if (First && !WasHeard && Heard(Best)) To = std::min(To, At + static_cast<size_t>(Frames(Peak)));
    }
    return Best;
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

// A sound that is there scores 0.55 and up even when a busy machine has broken it up; where none
// started, the best found in the window, a tail or silence, scores below 0.35.
bool Heard(const Found& F) { return F.Likeness >= 0.45 && F.Level >= 0.3; }

Counts CountOnsets(const MonitorRecorder& Recorder, const std::vector<int16_t>& Recording, const Openings& Sounds,
                   const std::vector<Asked>& Requests, std::chrono::milliseconds Latest) {
    Counts Tally;
    size_t Earliest = 0;
    // Once a sound is heard, the requests are placed on a line through it at the recording's
    // nominal rate, and Offset (in frames) follows where the sounds heard fall beside that line:
    // the sink's monitor gains a millisecond or two a second on the clock, and the recorder's own
    // timing of its pieces jitters on a busy machine. Offset follows an earlier sound at once and
    // a later one a little at a time, so one sound held up does not move the windows after it.
    bool Anchored = false;
    SteadyTime AnchorAt{};
    long AnchorFrame = 0;
    long Offset = 0;
    const auto OnLine = [&](SteadyTime At) { return AnchorFrame + Frames(At - AnchorAt); };
    for (size_t I = 0; I < Requests.size(); ++I) {
        const Asked& R = Requests[I];
        Count& C = Tally[R.Kind];
        ++C.Asked;
        const auto Sound = Sounds.find(R.Sound);
        if (Sound == Sounds.end()) continue;
        size_t From = 0, To = 0;
        if (Anchored) {
            const long Expected = OnLine(R.At) + Offset;
            // Never later than the moment of the request itself as the line has it.
            From = Clamped(std::min(Expected, OnLine(R.At)) - Frames(Early));
            long Last = Expected + Frames(Latest);
            if (I + 1 < Requests.size())
                Last = std::max(Last, std::min(Expected + Frames(Longest),
                                               OnLine(Requests[I + 1].At) + Offset - Frames(Early)));
            To = Clamped(Last);
        } else {
            const auto At = static_cast<long>(Recorder.FrameAt(R.At));
            From = Clamped(At - Frames(Early + AnchorSlack));
            To = Clamped(At + Frames(Latest + AnchorSlack));
        }
        const Found F = Match(Recording, Sound->second, std::max(Earliest, From), To, true);
        const double LateMs = std::chrono::duration<double, std::milli>(Recorder.TimeOf(F.At) - R.At).count();
        if (!Heard(F)) {
            char Line[160];
            std::snprintf(Line, sizeof Line, "#%zu: best likeness %.2f at level %.2f, %+.1f ms", I, F.Likeness, F.Level,
                          LateMs);
            C.Missed.emplace_back(Line);
            continue;
        }
        ++C.Heard;
        C.LateMs.push_back(LateMs);
        Earliest = F.At + MonitorRecorder::Rate / 200;
        const auto At = static_cast<long>(F.At);
        if (!Anchored) {
            Anchored = true;
            AnchorAt = R.At;
            AnchorFrame = static_cast<long>(Recorder.FrameAt(R.At));
            Offset = At - AnchorFrame;
            continue;
        }
        const long Beside = At - OnLine(R.At);
        Offset = Beside < Offset ? Beside : Offset + (Beside - Offset) / 8;
    }
    return Tally;
}

} // namespace tarnwick::sound
