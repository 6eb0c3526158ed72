// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveFile.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// RIFF is little-endian regardless of the host, so bytes are laid out by hand.
void PutU32(QByteArray& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xffu));
}

void PutU16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xffu));
    out.append(static_cast<char>((value >> 8) & 0xffu));
}

} // namespace

bool WriteWave(const QString& path, const std::vector<float>& samples, int sampleRate) {
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bitsPerSample = 16;
    constexpr std::uint16_t blockAlign = channels * bitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF", 4);
    PutU32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    PutU32(out, 16);
    PutU16(out, 1);
    PutU16(out, channels);
    PutU32(out, static_cast<std::uint32_t>(sampleRate));
    PutU32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    PutU16(out, blockAlign);
    PutU16(out, bitsPerSample);
    out.append("data", 4);
    PutU32(out, dataBytes);
    for (float sample : samples) {
        const float clamped = std::clamp(sample, -1.0f, 1.0f);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0f));
        PutU16(out, static_cast<std::uint16_t>(value));
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(out) == out.size();
}
