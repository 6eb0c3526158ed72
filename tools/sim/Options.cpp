// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Options.h"

#include <charconv>
#include <cstdint>
#include <string_view>

namespace tarnwick::sim {

namespace {

bool ReadCount(std::string_view Text, uint64_t& Into) {
    const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Into);
    return Error == std::errc{} && End == Text.data() + Text.size();
}

} // namespace

std::string Usage() {
    return "usage: tarnwick-sim --games N --seed S [--target 300|200|100] [--log FILE] [--records DIR] "
           "[--check]\n"
           "       tarnwick-sim --verify-log FILE\n"
           "       tarnwick-sim --signature\n"
           "\n"
           "Plays N whole games headless on a virtual clock, the south seat bidding and playing by the\n"
           "computer players' own rules, and prints a summary.\n"
           "  --games N        games to play (1 when not given)\n"
           "  --seed S         seed of the game's random generator (1 when not given); same seed, same "
           "games\n"
           "  --target T       the target score, set through the Options menu: 300, 200 or 100\n"
           "  --log FILE       writes every game, hand, trick, score and game end as JSON Lines\n"
           "  --records DIR    reads and writes Money.dat and Name.dat there; otherwise a temporary folder\n"
           "                   (under TMPDIR, else /dev/shm, else /tmp), removed at the end\n"
           "  --check          checks the table after every step and stops at the first thing amiss\n"
           "  --verify-log F   reads a hand history back and checks its form and its games\n"
           "  --signature      plays a fixed set of games and prints one number that changes with any\n"
           "                   change of a rule, text, place, pause, sound or order of steps\n";
}

ParsedOptions ParseOptions(int Argc, const char* const* Argv) {
    ParsedOptions Parsed;
    Options& O = Parsed.Chosen;
    auto Fail = [&Parsed](std::string Why) {
        Parsed.Error = std::move(Why);
        return Parsed;
    };
    for (int I = 1; I < Argc; ++I) {
        const std::string_view Arg = Argv[I];
        if (Arg == "--help" || Arg == "-h") {
            Parsed.HelpAsked = true;
            return Parsed;
        }
        if (Arg == "--check") {
            O.Check = true;
            continue;
        }
        if (Arg == "--signature") {
            O.Signature = true;
            continue;
        }
        if (I + 1 >= Argc) return Fail(std::string(Arg) + " needs a value");
        const std::string_view Value = Argv[++I];
        uint64_t Number = 0;
        if (Arg == "--games") {
            if (!ReadCount(Value, Number) || Number == 0)
                return Fail("--games needs a whole number of at least 1");
            O.Games = Number;
        } else if (Arg == "--seed") {
            // The hand history writes it as a signed 64-bit number.
            if (!ReadCount(Value, Number) || Number > static_cast<uint64_t>(INT64_MAX))
                return Fail("--seed needs a whole number from 0 to 9223372036854775807");
            O.Seed = Number;
        } else if (Arg == "--target") {
            if (!ReadCount(Value, Number) || (Number != 300 && Number != 200 && Number != 100))
                return Fail("--target is 300, 200 or 100");
            O.Target = static_cast<int16_t>(Number);
        } else if (Arg == "--log") {
            O.LogFile = Value;
        } else if (Arg == "--records") {
            O.RecordsFolder = Value;
        } else if (Arg == "--verify-log") {
            O.VerifyLog = Value;
        } else {
            return Fail("unknown option " + std::string(Arg));
        }
        if (Value.empty()) return Fail(std::string(Arg) + " needs a value");
    }
    Parsed.Ok = true;
    return Parsed;
}

} // namespace tarnwick::sim
