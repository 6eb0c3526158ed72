// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double kRate = kSoundSampleRate;
constexpr float kPeak = 0.5f;

// The standard library's distributions are implementation-defined, so a tiny
// generator of our own keeps the files byte-identical across compilers.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed) {}

    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483647.5 - 1.0;
    }

    double Between(double low, double high) { return low + (high - low) * (Next() + 1.0) / 2.0; }

private:
    std::uint32_t state_;
};

// Band-pass biquad (constant peak gain) whose centre can move while it runs.
class BandPass {
public:
    void Tune(double centreHz, double q) {
        const double w = 2.0 * std::numbers::pi * centreHz / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }

    double Process(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

std::vector<float> Normalised(const std::vector<double>& raw, float peak) {
    double largest = 0.0;
    for (double v : raw)
        largest = std::max(largest, std::abs(v));
    const double gain = largest > 0.0 ? peak / largest : 0.0;
    std::vector<float> out(raw.size());
    std::transform(raw.begin(), raw.end(), out.begin(),
                   [gain](double v) { return static_cast<float>(v * gain); });
    return out;
}

// Short fades at both ends so the sound never starts or stops with a click.
void Taper(std::vector<double>& samples, double fadeInSeconds, double fadeOutSeconds) {
    const auto in = static_cast<std::size_t>(fadeInSeconds * kRate);
    const auto out = static_cast<std::size_t>(fadeOutSeconds * kRate);
    for (std::size_t i = 0; i < in && i < samples.size(); ++i)
        samples[i] *= static_cast<double>(i) / in;
    for (std::size_t i = 0; i < out && i < samples.size(); ++i)
        samples[samples.size() - 1 - i] *= static_cast<double>(i) / out;
}

std::size_t SampleCount(double seconds) {
    return static_cast<std::size_t>(seconds * kRate);
}

} // namespace

std::vector<float> SynthesiseRiffle() {
    constexpr double duration = 0.45;
    std::vector<double> mix(SampleCount(duration), 0.0);
    NoiseSource noise(0x7a41c3u);

    // Each card edge slapping past the thumb is one click; the rate swells then eases
    // off the way a riffle does, and the whole burst fades as the halves run out.
    double phase = 0.0;
    double t = 0.0;
    const double dt = 1.0 / kRate;
    while (t < duration - 0.012) {
        const double progress = t / duration;
        const double rate = 90.0 + 260.0 * std::sin(std::numbers::pi * std::pow(progress, 0.7));
        phase += rate * dt;
        t += dt;
        if (phase < 1.0) continue;
        phase -= 1.0;

        const double loudness = std::pow(1.0 - progress, 1.3) * noise.Between(0.55, 1.0);
        const double clickLength = noise.Between(0.003, 0.006);
        BandPass filter;
        filter.Tune(noise.Between(2200.0, 4200.0), 1.6);
        const auto start = static_cast<std::size_t>(t * kRate);
        const std::size_t length = SampleCount(clickLength);
        for (std::size_t i = 0; i < length && start + i < mix.size(); ++i) {
            const double age = static_cast<double>(i) / kRate;
            mix[start + i] += loudness * std::exp(-age / 0.0016) * filter.Process(noise.Next());
        }
    }

    // A faint continuous rustle glues the clicks into one "burr".
    BandPass rustle;
    rustle.Tune(1800.0, 0.8);
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double progress = static_cast<double>(i) / mix.size();
        mix[i] += 0.06 * std::sin(std::numbers::pi * progress) * rustle.Process(noise.Next());
    }
    Taper(mix, 0.004, 0.06);
    return Normalised(mix, kPeak);
}

std::vector<float> SynthesiseCardDeal() {
    constexpr double duration = 0.075;
    std::vector<double> mix(SampleCount(duration), 0.0);
    NoiseSource noise(0x1d3a5bu);
    BandPass air;
    BandPass body;
    body.Tune(900.0, 1.2);

    // A falling band of noise gives the "thwip" of a card skimming onto the cloth.
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double progress = t / duration;
        air.Tune(5200.0 * std::pow(0.3, progress), 1.4);
        const double envelope = std::min(1.0, t / 0.004) * std::exp(-t / 0.018);
        const double sample = noise.Next();
        mix[i] = envelope * (air.Process(sample) + 0.5 * body.Process(sample));
    }
    Taper(mix, 0.0, 0.008);
    return Normalised(mix, 0.45f);
}

std::vector<float> SynthesiseRingOut() {
    constexpr double duration = 0.8;
    constexpr double fundamental = 880.0;
    struct Partial {
        double ratio;
        double level;
        double decaySeconds;
    };
    // Mostly harmonic partials sound like a chime rather than a clanging bell; the
    // one inharmonic top partial adds the metallic strike and dies away first.
    constexpr Partial partials[] = {
        {1.0, 1.0, 0.30}, {2.0, 0.45, 0.18}, {3.0, 0.22, 0.10}, {4.23, 0.10, 0.05}};
    // A quieter fifth above, entering a moment later, makes it a two-note ring-out.
    constexpr double secondDelay = 0.09;
    constexpr double secondRatio = 1.5;

    std::vector<double> mix(SampleCount(duration), 0.0);
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        double value = 0.0;
        for (const Partial& p : partials) {
            const double strike = std::min(1.0, t / 0.002);
            value += strike * p.level * std::exp(-t / p.decaySeconds) *
                     std::sin(2.0 * std::numbers::pi * fundamental * p.ratio * t);
            if (t >= secondDelay) {
                const double u = t - secondDelay;
                // A softer attack than the first strike, or the entry is heard as a click.
                const double onset = std::min(1.0, u / 0.008);
                value += 0.7 * onset * p.level * std::exp(-u / p.decaySeconds) *
                         std::sin(2.0 * std::numbers::pi * fundamental * secondRatio * p.ratio * u);
            }
        }
        mix[i] = value;
    }
    Taper(mix, 0.0, 0.05);
    return Normalised(mix, kPeak);
}
