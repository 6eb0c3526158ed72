// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the simulator's tests share: a records folder of their own and whole runs of the driver
// with their hand history kept in memory.

#include "sim/Driver.h"
#include "sim/HandLog.h"
#include "sim/Invariants.h"
#include "sim/ScratchFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace tarnwick::sim::test {

struct Run {
    std::string Log;
};

// Plays Games games on one table, every step checked, and keeps the hand history.
inline Run PlayGames(uint64_t Seed, int Games, int16_t Target) {
    ScratchFolder Folder;
    char* Text = nullptr;
    size_t Size = 0;
    std::FILE* Memory = ::open_memstream(&Text, &Size);
    Run Result;
    {
        Driver Table(Seed, Folder.Path, Target);
        Invariants Checks;
        HandLog Log(Memory, Seed);
        Table.CheckWith(Checks);
        Table.Listen(Log);
        for (int Game = 0; Game < Games && Table.PlayGame(); ++Game) {
        }
        Log.Finish();
    }
    std::fclose(Memory);
    Result.Log.assign(Text, Size);
    std::free(Text);
    return Result;
}

} // namespace tarnwick::sim::test
