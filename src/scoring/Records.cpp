#include "scoring/Records.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <system_error>

#include <fcntl.h>
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
            if (Name.empty() || StorableName(std::string(Name)) != Name) return false;
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

// A file that is missing or cannot be read reads as empty, which keeps every default.
std::string ReadFileHead(const std::filesystem::path& File) {
    std::ifstream In(File, std::ios::binary);
    if (!In) return {};
    std::string Text(MaxFileBytes, '\0');
    In.read(Text.data(), static_cast<std::streamsize>(Text.size()));
    Text.resize(static_cast<std::size_t>(In.gcount()));
    return Text;
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
    Name.reserve(PlayerName.size());
    for (const char C : PlayerName) {
        if (C != '"' && !IsControl(C)) Name += C;
    }
    return Name;
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

void LoadRecords(const std::filesystem::path& Folder, Records& Into) {
    const std::string MoneyFile = ReadFileHead(Folder / MoneyFileName);
    FieldReader Money(MoneyFile);
    for (auto& Balance : Into.FunMoney) {
        if (!Money.ReadNumber(Balance)) break;
    }

    const std::string NameFile = ReadFileHead(Folder / NameFileName);
    FieldReader Name(NameFile);
    if (!Name.ReadName(Into.PlayerName)) return;
    // A name read is held as it would be written, with nothing in it that could break the line.
    Into.PlayerName = StorableName(Into.PlayerName);
    for (auto& Won : Into.GamesWon) {
        if (!Name.ReadNumber(Won)) break;
    }
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
