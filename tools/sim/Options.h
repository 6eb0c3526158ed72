// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulator's command line.

#include <cstdint>
#include <filesystem>
#include <string>

namespace tarnwick::sim {

struct Options {
    uint64_t Games = 1;
    uint64_t Seed = 1;
    int16_t Target = 300;
    // A hand history in JSON Lines; none when empty.
    std::filesystem::path LogFile;
    // Where Money.dat and Name.dat are read and written; a temporary folder when empty.
    std::filesystem::path RecordsFolder;
    bool Check = false;
    // Only reads this hand history back and checks it; no game is played.
    std::filesystem::path VerifyLog;
    // Only plays the fixed games of the behaviour signature and prints its number.
    bool Signature = false;
};

struct ParsedOptions {
    Options Chosen;
    bool Ok = false;
    bool HelpAsked = false;
    std::string Error;
};

ParsedOptions ParseOptions(int Argc, const char* const* Argv);
std::string Usage();

} // namespace tarnwick::sim
