// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

inline constexpr int kSoundSampleRate = 22050;

// Each returns mono samples in [-1, 1] at kSoundSampleRate; output is identical on every run.
std::vector<float> SynthesiseRiffle();
std::vector<float> SynthesiseCardDeal();
std::vector<float> SynthesiseRingOut();
