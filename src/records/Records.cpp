// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Records.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {
namespace {

// Neither file holds more than one short line; stopping here keeps a huge stray file from being
// pulled into memory at start-up.
constexpr std::size_t MaxFileBytes = 64 * 1024;

bool IsBlank(char C) {
    return C == ' ' || C == '\t';
}

bool IsControl(char C) {
    const auto Byte = static_cast<unsigned char>(C);
    return Byte < 32 || Byte == 127;
}

// Walks the fields of one records file in order. Each Read returns false at the first field it
// cannot make sense of and leaves its target alone; the caller stops there. So every field before
// a bad one is kept, and the bad one and all after it keep the values they already had.
class FieldReader {
public:
    explicit FieldReader(std::string_view Text) : Rest(Text) {}

    // Out of range for Integer counts as unreadable, so a 16-bit count never wraps.
    template <typename Integer> bool ReadNumber(Integer& Into) {
        SkipBlanks();
        if (Rest.empty()) return false;
        Integer Value{};
        const auto [End, Error] = std::from_chars(Rest.data(), Rest.data() + Rest.size(), Value);
        if (Error != std::errc{}) return false;
        Rest.remove_prefix(static_cast<std::size_t>(End - Rest.data()));
        SkipBlanks();
        if (!EndField()) return false;
        Into = Value;
        return true;
    }

    // A balance is a number of any size: one beyond the limits (a hand-edited file) is read as
    // the limit it passed, so the money can never overflow later.
    bool ReadBalance(int32_t& Into) {
        SkipBlanks();
        if (Rest.empty()) return false;
        int64_t Value = 0;
        const auto [End, Error] = std::from_chars(Rest.data(), Rest.data() + Rest.size(), Value);
        if (Error == std::errc::result_out_of_range)
            Value = Rest.front() == '-' ? INT64_MIN : INT64_MAX;
        else if (Error != std::errc{})
            return false;
        Rest.remove_prefix(static_cast<std::size_t>(End - Rest.data()));
        SkipBlanks();
        if (!EndField()) return false;
        Into = ClampBalance(Value);
        return true;
    }

    bool ReadName(std::string& Into) {
        SkipBlanks();
        std::string_view Name;
        if (!Rest.empty() && Rest.front() == '"') {
            Rest.remove_prefix(1);
            // The file is a single line, so a line end before the closing mark means it was cut off.
            const auto Close = Rest.find_first_of("\"\r\n");
            if (Close == std::string_view::npos || Rest[Close] != '"') return false;
            Name = Rest.substr(0, Close);
            Rest.remove_prefix(Close + 1);
            SkipBlanks();
            if (!EndField()) return false;
        } else {
            // A hand-edited file may have lost the quotation marks: text up to the comma is still
            // plainly meant as the name. Without that comma, or with bytes no name can hold, it is
            // far more likely junk, and "Player" is the better guess.
            const auto Comma = Rest.find(',');
            if (Comma == std::string_view::npos) return false;
            Name = Rest.substr(0, Comma);
            while (!Name.empty() && IsBlank(Name.back()))
                Name.remove_suffix(1);
            if (Name.empty() ||
                std::any_of(Name.begin(), Name.end(), [](char C) { return C == '"' || IsControl(C); }))
                return false;
            Rest.remove_prefix(Comma + 1);
        }
        Into.assign(Name);
        return true;
    }

private:
    void SkipBlanks() {
        while (!Rest.empty() && IsBlank(Rest.front()))
            Rest.remove_prefix(1);
    }

    // Fields end at a comma, a line end (CR LF, or either alone) or where the text runs out; a
    // missing final CR LF is no reason to throw the last field away.
    bool EndField() {
        if (Rest.empty()) return true;
        if (Rest.starts_with("\r\n")) {
            Rest.remove_prefix(2);
            return true;
        }
        if (Rest.front() == ',' || Rest.front() == '\r' || Rest.front() == '\n') {
            Rest.remove_prefix(1);
            return true;
        }
        return false;
    }

    std::string_view Rest;
};

// A file that is missing or cannot be read reads as empty, which keeps every default. It is
// opened without waiting, so a pipe with nobody writing to it cannot stop the game starting, and
// only a regular file is read at all.
std::string ReadFileHead(const std::filesystem::path& File) {
    const int Fd = ::open(File.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (Fd < 0) return {};
    struct stat Status {};
    std::string Text;
    if (::fstat(Fd, &Status) == 0 && S_ISREG(Status.st_mode)) {
        Text.resize(MaxFileBytes);
        std::size_t Got = 0;
        while (Got < Text.size()) {
            const ssize_t Read = ::read(Fd, Text.data() + Got, Text.size() - Got);
            if (Read < 0 && errno == EINTR) continue;
            if (Read <= 0) break;
            Got += static_cast<std::size_t>(Read);
        }
        Text.resize(Got);
    }
    ::close(Fd);
    return Text;
}

bool IsContinuationByte(char C) {
    return (static_cast<unsigned char>(C) & 0xC0) == 0x80;
}

// How many continuation bytes the UTF-8 lead byte C announces.
int TrailingBytes(char C) {
    const auto Byte = static_cast<unsigned char>(C);
    if (Byte >= 0xF0 && Byte <= 0xF7) return 3;
    if (Byte >= 0xE0) return Byte <= 0xEF ? 2 : 0;
    if (Byte >= 0xC0) return 1;
    return 0;
}

// "Money.dat.tmp.<process>.<count>" or the same for Name.dat: the process that made it, or 0.
pid_t TemporaryOwner(const std::string& FileName) {
    for (const char* Target : {MoneyFileName, NameFileName}) {
        const std::string Prefix = std::string(Target) + ".tmp.";
        if (!FileName.starts_with(Prefix)) continue;
        const std::string_view Rest = std::string_view(FileName).substr(Prefix.size());
        pid_t Owner = 0;
        const auto [AfterOwner, OwnerError] = std::from_chars(Rest.data(), Rest.data() + Rest.size(), Owner);
        if (OwnerError != std::errc{} || Owner <= 0 || AfterOwner == Rest.data() + Rest.size() ||
            *AfterOwner != '.')
            return 0;
        const char* Count = AfterOwner + 1;
        const char* End = Rest.data() + Rest.size();
        unsigned long long Number = 0;
        const auto [AfterCount, CountError] = std::from_chars(Count, End, Number);
        if (CountError != std::errc{} || AfterCount != End) return 0;
        return Owner;
    }
    return 0;
}

bool ProcessRuns(pid_t Process) {
    return Process == ::getpid() || ::kill(Process, 0) == 0 || errno == EPERM;
}

template <typename Integer, std::size_t Count>
void AppendFields(std::string& Line, const std::array<Integer, Count>& Values) {
    for (std::size_t Index = 0; Index < Count; ++Index) {
        if (Index > 0) Line += ',';
        Line += std::to_string(Values[Index]);
    }
}

bool WriteAll(int Fd, std::string_view Bytes) {
    while (!Bytes.empty()) {
        const ssize_t Written = ::write(Fd, Bytes.data(), Bytes.size());
        if (Written < 0 && errno == EINTR) continue;
        if (Written <= 0) return false;
        Bytes.remove_prefix(static_cast<std::size_t>(Written));
    }
    return true;
}

// The temporary file sits beside the target so the final rename never crosses file systems. Its
// name carries the process id and a counter so two writers never share one, and O_EXCL steps over
// anything an earlier crash left behind.
int CreateTemporary(const std::filesystem::path& Target, std::filesystem::path& Temporary) {
    static std::atomic<unsigned> Counter{0};
    for (int Attempt = 0; Attempt < 100; ++Attempt) {
        Temporary = Target;
        Temporary += ".tmp." + std::to_string(::getpid()) + "." + std::to_string(Counter++);
        const int Fd = ::open(Temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Fd >= 0 || errno != EEXIST) return Fd;
    }
    return -1;
}

// The rename only survives a power cut once the folder itself is on disk. The file has already
// been replaced by then, so a failure here changes nothing the caller could act on.
void SyncFolder(const std::filesystem::path& Folder) {
    const int Fd = ::open(Folder.empty() ? "." : Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd < 0) return;
    ::fsync(Fd);
    ::close(Fd);
}

} // namespace

std::string MoneyLine(const std::array<int32_t, 4>& FunMoney) {
    std::string Line;
    AppendFields(Line, FunMoney);
    return Line + "\r\n";
}

std::string NameLine(const std::string& PlayerName, const std::array<int16_t, 4>& GamesWon) {
    std::string Line = '"' + StorableName(PlayerName) + "\",";
    AppendFields(Line, GamesWon);
    return Line + "\r\n";
}

std::string StorableName(const std::string& PlayerName) {
    std::string Name;
    std::size_t Characters = 0;
    int TrailLeft = 0;
    for (const char C : PlayerName) {
        if (C == '"' || IsControl(C)) continue;
        // A stray continuation byte counts as a character of its own, so no run of bytes, however
        // malformed, makes a long name out of few characters.
        if (IsContinuationByte(C) && TrailLeft > 0) {
            --TrailLeft;
        } else {
            if (Characters == MaxNameLength) break;
            ++Characters;
            TrailLeft = TrailingBytes(C);
        }
        Name += C;
    }
    return Name;
}

int32_t ClampBalance(int64_t Cents) {
    return static_cast<int32_t>(std::clamp<int64_t>(Cents, -int64_t{MaxBalance}, MaxBalance));
}

int32_t AddToBalance(int32_t Balance, int64_t Cents) {
    // Both are far inside 64 bits, so the sum itself cannot overflow.
    return ClampBalance(int64_t{Balance} + std::clamp<int64_t>(Cents, INT32_MIN, INT32_MAX));
}

bool WriteFileAtomically(const std::filesystem::path& Target, const std::string& Contents) {
    std::filesystem::path Temporary;
    const int Fd = CreateTemporary(Target, Temporary);
    if (Fd < 0) return false;
    bool Written = WriteAll(Fd, Contents) && ::fsync(Fd) == 0;
    // close can report a write the kernel deferred, so its result counts too.
    Written = ::close(Fd) == 0 && Written;
    if (!Written || ::rename(Temporary.c_str(), Target.c_str()) != 0) {
        ::unlink(Temporary.c_str());
        return false;
    }
    SyncFolder(Target.parent_path());
    return true;
}

bool SaveMoneyData(const std::filesystem::path& Folder, const std::array<int32_t, 4>& FunMoney,
                   const FileWriter& Write) {
    return Write && Write(Folder / MoneyFileName, MoneyLine(FunMoney));
}

bool SaveNameData(const std::filesystem::path& Folder, const std::string& PlayerName,
                  const std::array<int16_t, 4>& GamesWon, const FileWriter& Write) {
    return Write && Write(Folder / NameFileName, NameLine(PlayerName, GamesWon));
}

void LoadRecords(const std::filesystem::path& Folder, Records& Into, const std::filesystem::path& Earlier) {
    // Any entry by the name, even one that cannot be read, means the records are kept here now.
    const auto FileToRead = [&](const char* FileName) {
        std::error_code Ignored;
        const std::filesystem::path Here = Folder / FileName;
        if (Earlier.empty() || std::filesystem::exists(std::filesystem::symlink_status(Here, Ignored)))
            return Here;
        return Earlier / FileName;
    };

    const std::string MoneyFile = ReadFileHead(FileToRead(MoneyFileName));
    FieldReader Money(MoneyFile);
    for (auto& Balance : Into.FunMoney) {
        if (!Money.ReadBalance(Balance)) break;
    }

    const std::string NameFile = ReadFileHead(FileToRead(NameFileName));
    FieldReader Name(NameFile);
    if (!Name.ReadName(Into.PlayerName)) return;
    // A name read is held as it would be written, with nothing in it that could break the line.
    Into.PlayerName = StorableName(Into.PlayerName);
    for (auto& Won : Into.GamesWon) {
        if (!Name.ReadNumber(Won)) break;
    }
}

int RemoveLeftoverTemporaries(const std::filesystem::path& Folder) {
    std::error_code Error;
    std::filesystem::directory_iterator Entries(Folder.empty() ? "." : Folder, Error);
    if (Error) return 0;
    int Removed = 0;
    for (const auto& Entry : Entries) {
        const pid_t Owner = TemporaryOwner(Entry.path().filename().string());
        if (Owner == 0 || ProcessRuns(Owner)) continue;
        std::error_code NotRegular;
        if (!Entry.is_regular_file(NotRegular) || Entry.is_symlink(NotRegular)) continue;
        if (::unlink(Entry.path().c_str()) == 0) ++Removed;
    }
    return Removed;
}

std::string MoneyText(int32_t Cents) {
    // Widened first: the magnitude of INT32_MIN does not fit in int32_t.
    const int64_t Magnitude = Cents < 0 ? -static_cast<int64_t>(Cents) : Cents;
    const int64_t Dollars = Magnitude / 100;
    const int64_t Remainder = Magnitude % 100;

    std::string Text = "$ ";
    if (Cents < 0) Text += '-';
    Text += std::to_string(Dollars);
    if (Remainder != 0) {
        Text += '.';
        Text += static_cast<char>('0' + Remainder / 10);
        if (Remainder % 10 != 0) Text += static_cast<char>('0' + Remainder % 10);
    }
    return Text;
}

} // namespace tarnwick
