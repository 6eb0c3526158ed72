#pragma once
// Money.dat and Name.dat: the fun money, the games won and the human's name, kept from one run
// to the next in two one-line files.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace tarnwick {

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
// would end or break the line, so they are left out.
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
// short or malformed files keep whatever could be read; nothing is ever written here.
void LoadRecords(const std::filesystem::path& Folder, Records& Into);

// "$ " followed by the balance in dollars in its shortest form: 150 -> "$ 1.5", -37 -> "$ -0.37".
std::string MoneyText(int32_t Cents);

} // namespace tarnwick
