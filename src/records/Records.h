// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Money.dat and Name.dat: the fun money, the games won and the human's name, kept from one run
// to the next in two one-line files.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace tarnwick {

// A name holds at most this many characters, however it was typed or whatever Name.dat holds: room
// for any player's name, and little enough that every question that begins with it fits on the
// screen.
inline constexpr std::size_t MaxNameLength = 40;

// Balances stay within this many cents either side of zero, the most Money.dat's fields hold. A
// balance read from the file or settled after a game stops at the limit rather than wrap.
inline constexpr int32_t MaxBalance = INT32_MAX;
int32_t ClampBalance(int64_t Cents);
// Balance moved by Cents, stopping at the limits.
int32_t AddToBalance(int32_t Balance, int64_t Cents);

struct Records {
    std::string PlayerName = "Player";
    std::array<int32_t, 4> FunMoney{};
    std::array<int16_t, 4> GamesWon{};
};

inline constexpr const char* MoneyFileName = "Money.dat";
inline constexpr const char* NameFileName = "Name.dat";

// The exact lines the files hold, each ended by CR LF.
std::string MoneyLine(const std::array<int32_t, 4>& FunMoney);
std::string NameLine(const std::string& PlayerName, const std::array<int16_t, 4>& GamesWon);

// The name as it can be written between quotation marks: quotation marks and control characters
// would end or break the line, so they are left out, and only the first MaxNameLength characters
// (of UTF-8 text) are kept. A name already storable comes back unchanged.
std::string StorableName(const std::string& PlayerName);

// Writes one file atomically: a temporary file beside it, flushed to disk, then renamed over it.
// Returns false (and leaves the old file untouched) when any step fails.
using FileWriter = std::function<bool(const std::filesystem::path& Target, const std::string& Contents)>;
bool WriteFileAtomically(const std::filesystem::path& Target, const std::string& Contents);

bool SaveMoneyData(const std::filesystem::path& Folder, const std::array<int32_t, 4>& FunMoney,
                   const FileWriter& Write = WriteFileAtomically);
bool SaveNameData(const std::filesystem::path& Folder, const std::string& PlayerName,
                  const std::array<int16_t, 4>& GamesWon, const FileWriter& Write = WriteFileAtomically);

// Reads both files from Folder into Into, which holds "Player" and zeros beforehand. Missing,
// short or malformed files keep whatever could be read; nothing is ever written here. Anything
// but a regular file (a pipe, a device) reads as missing and is never waited on. A file that is
// not in Folder at all is read from Earlier instead, when one is given: the records of an earlier
// run kept elsewhere.
void LoadRecords(const std::filesystem::path& Folder, Records& Into,
                 const std::filesystem::path& Earlier = {});

// Removes the temporary files of saves that never finished, because the game that made them was
// killed; a save still under way in a running game keeps its own. Returns how many went.
int RemoveLeftoverTemporaries(const std::filesystem::path& Folder);

// "$ " followed by the balance in dollars in its shortest form: 150 -> "$ 1.5", -37 -> "$ -0.37".
std::string MoneyText(int32_t Cents);

} // namespace tarnwick
