// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as Money.dat and as Name.dat at once, read by the game's own start-up reader.
// Whatever the bytes, reading must not crash or hang, must write nothing, and must leave records
// the game can go on with:
//   - the name is "Player" or text taken from the file, never holding a quotation mark or a line
//     end (so it cannot break the Name.dat line), and never longer than forty characters;
//   - a name without quotation marks is one the game could have written: no control characters,
//     not empty, and no blank at its end unless the name was cut there;
//   - when the name cannot be read, nothing after it is either: the games won stay at zero;
//   - whatever was read saves and reads back to the same records (the name as it is stored);
//   - reading the same files twice gives the same records.

#include "records/Records.h"
#include "sim/ScratchFolder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;
using namespace tarnwick;

constexpr size_t MostEverRead = 64 * 1024;

// The files read, and the records saved again from them; both folders go when the fuzzer exits.
std::optional<sim::ScratchFolder> ReadFolder, SavedFolder;
fs::path Folder, Copies;

void Expect(bool Holds, const char* What) {
    if (Holds) return;
    std::fprintf(stderr, "records reader: %s\n", What);
    std::abort();
}

void WriteFile(const fs::path& File, std::string_view Bytes) {
    std::ofstream Out(File, std::ios::binary | std::ios::trunc);
    Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    Expect(static_cast<bool>(Out), "the fuzzer could not write its input");
}

std::string ReadFile(const fs::path& File) {
    std::ifstream In(File, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

// The file's text with what no name can hold left out, however long.
std::string NameCharacters(std::string_view Text) {
    std::string Kept;
    for (const char C : Text) {
        const auto Byte = static_cast<unsigned char>(C);
        if (C != '"' && Byte >= 32 && Byte != 127) Kept += C;
    }
    return Kept;
}

bool SameRecords(const Records& A, const Records& B) {
    return A.PlayerName == B.PlayerName && A.FunMoney == B.FunMoney && A.GamesWon == B.GamesWon;
}

// A quoted name that is cut off before its closing mark, at a line end or at the end of the file.
bool NameCutOff(std::string_view Head) {
    const size_t First = Head.find_first_not_of(" \t");
    if (First == std::string_view::npos || Head[First] != '"') return false;
    const size_t End = Head.find_first_of("\"\r\n", First + 1);
    return End == std::string_view::npos || Head[End] != '"';
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*Argc*/, char*** /*Argv*/) {
    Folder = ReadFolder.emplace("tarnwick-fuzz-read").Path;
    Copies = SavedFolder.emplace("tarnwick-fuzz-saved").Path;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string Bytes(reinterpret_cast<const char*>(Data), Size);
    WriteFile(Folder / MoneyFileName, Bytes);
    WriteFile(Folder / NameFileName, Bytes);

    Records Read;
    LoadRecords(Folder, Read);

    Expect(ReadFile(Folder / MoneyFileName) == Bytes && ReadFile(Folder / NameFileName) == Bytes,
           "reading changed a file");
    size_t Entries = 0;
    for (const auto& Entry : fs::directory_iterator(Folder))
        Entries += Entry.is_regular_file() ? 1 : 2;
    Expect(Entries == 2, "reading left something behind in the folder");

    const std::string& Name = Read.PlayerName;
    const std::string_view Head = std::string_view(Bytes).substr(0, MostEverRead);
    Expect(Name.find_first_of("\"\r\n") == std::string::npos,
           "the name holds a quotation mark or a line end");
    // A name is held as it would be written: whatever could break the line is left out of it.
    Expect(StorableName(Name) == Name, "the name holds what the game could never write");
    Expect(Name == "Player" || NameCharacters(Head).find(Name) != std::string::npos,
           "the name is not from the file");
    Expect(Name.size() <= 4 * MaxNameLength, "the name is longer than forty characters");
    const size_t First = Head.find_first_not_of(" \t");
    const bool Quoted = First != std::string_view::npos && Head[First] == '"';
    if (!Quoted && Name != "Player") {
        const bool Cut = StorableName(Name + "x") == Name;
        Expect(!Name.empty() && (Cut || (Name.back() != ' ' && Name.back() != '\t')),
               "an unquoted name the game could never have written");
    }
    if (NameCutOff(Head))
        Expect(Name == "Player" && Read.GamesWon == std::array<int16_t, 4>{},
               "a cut-off name was read, or the fields after it");

    Records Again;
    LoadRecords(Folder, Again);
    Expect(SameRecords(Read, Again), "two readings of the same files differ");

    Expect(SaveMoneyData(Copies, Read.FunMoney) && SaveNameData(Copies, Read.PlayerName, Read.GamesWon),
           "the records could not be saved");
    Records Saved;
    LoadRecords(Copies, Saved);
    Expect(Saved.FunMoney == Read.FunMoney, "the fun money does not read back as saved");
    Expect(Saved.GamesWon == Read.GamesWon, "the games won do not read back as saved");
    Expect(Saved.PlayerName == Read.PlayerName, "the name does not read back as saved");
    return 0;
}
