// SPDX-License-Identifier: GPL-3.0-or-later
// tarnwick-sim: whole games headless, the south seat played by the computer players' own rules.

#include "sim/Driver.h"
#include "sim/HandLog.h"
#include "sim/Invariants.h"
#include "sim/LogCheck.h"
#include "sim/Options.h"
#include "sim/ScratchFolder.h"
#include "sim/Signature.h"
#include "sim/Tally.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

namespace {

using namespace tarnwick::sim;
namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* F) const { std::fclose(F); }
};

int VerifyLog(const fs::path& File) {
    std::ifstream In(File, std::ios::binary);
    if (!In) {
        std::cerr << "tarnwick-sim: cannot read " << File.string() << "\n";
        return 2;
    }
    const LogReport Report = CheckLog(In);
    if (!Report.Error.empty()) {
        std::cerr << "tarnwick-sim: " << File.string() << ", " << Report.Error << "\n";
        return 1;
    }
    std::cout << File.string() << ": " << Report.Lines << " lines, " << Report.Games << " games, "
              << Report.Hands << " hands, " << Report.Tricks << " tricks, all sound\n";
    return 0;
}

int PrintSignature() {
    const ScratchFolder Scratch("tarnwick-sim");
    const SignatureResult Result = PlaySignature(Scratch.Path);
    if (!Result.Problem.empty()) {
        std::cerr << "tarnwick-sim: stopped: " << Result.Problem << "\n";
        return 1;
    }
    char Hex[17];
    std::snprintf(Hex, sizeof Hex, "%016llx", static_cast<unsigned long long>(Result.Value));
    std::cout << Hex << "\n";
    std::cerr << Result.Games << " games, " << Result.Steps << " changes of the table, " << Result.Sounds
              << " sounds, " << Result.Draws << " draws, " << Result.NoWinner << " games without a winner\n";
    return 0;
}

int Simulate(const Options& O) {
    // Without a folder of its own the run keeps its records in a scratch folder, so the player's
    // files stay untouched.
    std::optional<ScratchFolder> Scratch;
    fs::path Records = O.RecordsFolder;
    if (Records.empty()) {
        Scratch.emplace("tarnwick-sim");
        Records = Scratch->Path;
    } else {
        std::error_code Error;
        fs::create_directories(Records, Error);
        if (!fs::is_directory(Records)) {
            std::cerr << "tarnwick-sim: " << Records.string() << " is not a folder\n";
            return 2;
        }
    }

    std::unique_ptr<std::FILE, FileCloser> LogFile;
    std::optional<HandLog> Log;
    if (!O.LogFile.empty()) {
        LogFile.reset(std::fopen(O.LogFile.c_str(), "wb"));
        if (!LogFile) {
            std::cerr << "tarnwick-sim: cannot write " << O.LogFile.string() << "\n";
            return 2;
        }
        Log.emplace(LogFile.get(), O.Seed);
    }

    Driver Table(O.Seed, Records, O.Target);
    Invariants Checks;
    Tally Figures;
    if (O.Check) Table.CheckWith(Checks);
    if (Log) Table.Listen(*Log);
    Table.Listen(Figures);

    const auto Start = std::chrono::steady_clock::now();
    bool Finished = Table.Problem().empty();
    for (uint64_t Game = 0; Finished && Game < O.Games; ++Game)
        Finished = Table.PlayGame();
    const std::chrono::duration<double> Wall = std::chrono::steady_clock::now() - Start;

    const bool LogWritten = !Log || Log->Finish();
    RunFigures Run;
    Run.WallSeconds = Wall.count();
    Run.VirtualMs = Table.VirtualMs();
    Run.Fallbacks = Table.Fallbacks();
    Run.Draws = Table.DrawsAnnounced();
    Run.Seed = O.Seed;
    Run.Target = O.Target;
    Figures.Print(std::cout, Run);
    for (const std::string& Note : Checks.Notes())
        std::cout << "  note: " << Note << "\n";
    if (O.Check && Finished) std::cout << "  checks: every step of " << Figures.Games() << " games held\n";

    if (!LogWritten) {
        std::cerr << "tarnwick-sim: writing " << O.LogFile.string() << " failed\n";
        return 2;
    }
    if (!Finished) {
        std::cerr << "tarnwick-sim: stopped: " << Table.Problem() << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int Argc, char** Argv) {
    const ParsedOptions Parsed = ParseOptions(Argc, Argv);
    if (Parsed.HelpAsked) {
        std::cout << Usage();
        return 0;
    }
    if (!Parsed.Ok) {
        std::cerr << "tarnwick-sim: " << Parsed.Error << "\n\n" << Usage();
        return 2;
    }
    if (!Parsed.Chosen.VerifyLog.empty()) return VerifyLog(Parsed.Chosen.VerifyLog);
    try {
        if (Parsed.Chosen.Signature) return PrintSignature();
        return Simulate(Parsed.Chosen);
    } catch (const std::system_error& Error) {
        std::cerr << "tarnwick-sim: " << Error.what() << "\n";
        return 2;
    }
}
