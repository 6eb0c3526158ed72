// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table's behaviour in one number: a fixed set of seeded games is played and everything the
// player would see or hear, with the virtual time it happened at, is folded into a hash. Any
// change of a rule, a text, a place, a pause or the order of steps changes the number.

#include "flow/DisplayModel.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarnwick::sim {

// 64-bit FNV-1a: small, fixed for all time and the same on every machine.
class Fingerprint {
public:
    void Add(std::string_view Bytes);
    void Add(uint64_t Number);
    void Add(double Twips);
    void Add(bool Flag) { Add(static_cast<uint64_t>(Flag)); }
    uint64_t Value() const { return Hash; }

private:
    uint64_t Hash = 14695981039346656037ull;
};

// Everything the window draws from the model, field by field.
uint64_t DigestOf(const DisplayModel& V);

struct SignatureResult {
    uint64_t Value = 0;
    uint64_t Games = 0, Steps = 0, Sounds = 0, Draws = 0, NoWinner = 0;
    std::string Problem;
};

// Plays the fixed set of games with their records kept in Folder.
SignatureResult PlaySignature(const std::filesystem::path& Folder);

} // namespace tarnwick::sim
