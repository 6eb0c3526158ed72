// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// Writes mono 16-bit PCM; samples are in [-1, 1] and are clamped rather than wrapped.
bool WriteWave(const QString& path, const std::vector<float>& samples, int sampleRate);
