#include "scoring/Records.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace tarnwick;
namespace fs = std::filesystem;

using Money = std::array<int32_t, 4>;
using Wins = std::array<int16_t, 4>;
using Files = std::map<std::string, std::string>;

// Tests run as separate processes in parallel, so the folder name carries the process id.
struct TempFolder {
    TempFolder() {
        static int Count = 0;
        Path = fs::temp_directory_path() /
               ("tarnwick-records-" + std::to_string(::getpid()) + "-" + std::to_string(Count++));
        fs::remove_all(Path);
        fs::create_directories(Path);
    }
    ~TempFolder() {
        std::error_code Ignored;
        fs::remove_all(Path, Ignored);
    }
    fs::path Path;
};

void WriteBytes(const fs::path& File, const std::string& Bytes) {
    std::ofstream(File, std::ios::binary) << Bytes;
}

std::string ReadBytes(const fs::path& File) {
    std::ifstream In(File, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

// Every entry in the folder with its contents, to prove nothing was added, replaced or left behind.
Files Snapshot(const fs::path& Folder) {
    Files Entries;
    for (const auto& Entry : fs::directory_iterator(Folder))
        Entries[Entry.path().filename().string()] =
            Entry.is_regular_file() ? ReadBytes(Entry.path()) : "<dir>";
    return Entries;
}

// Loads from a folder holding only the given files and checks the folder is left exactly as it was.
Records Load(const std::optional<std::string>& MoneyBytes, const std::optional<std::string>& NameBytes) {
    TempFolder Folder;
    if (MoneyBytes) WriteBytes(Folder.Path / MoneyFileName, *MoneyBytes);
    if (NameBytes) WriteBytes(Folder.Path / NameFileName, *NameBytes);
    const auto Before = Snapshot(Folder.Path);
    Records Loaded;
    LoadRecords(Folder.Path, Loaded);
    EXPECT_EQ(Snapshot(Folder.Path), Before) << "loading must never write";
    return Loaded;
}

TEST(Records, LinesAreByteExact) {
    EXPECT_EQ(MoneyLine({0, 0, 0, 0}), "0,0,0,0\r\n");
    EXPECT_EQ(MoneyLine({150, -37, 40000, std::numeric_limits<int32_t>::min()}),
              "150,-37,40000,-2147483648\r\n");
    EXPECT_EQ(NameLine("Player", {0, 0, 0, 0}), "\"Player\",0,0,0,0\r\n");
    EXPECT_EQ(NameLine("", {0, 0, 0, 0}), "\"\",0,0,0,0\r\n");
    EXPECT_EQ(NameLine("Lee, Ann", {3, -1, 32767, -32768}), "\"Lee, Ann\",3,-1,32767,-32768\r\n");
    EXPECT_EQ(NameLine("Ann \"Ace\"\r\n", {1, 2, 3, 4}), "\"Ann Ace\",1,2,3,4\r\n");
}

TEST(Records, SavingWritesOnlyTheTwoFiles) {
    TempFolder Folder;
    ASSERT_TRUE(SaveMoneyData(Folder.Path, {0, 0, 0, 0}));
    ASSERT_TRUE(SaveNameData(Folder.Path, "Player", {0, 0, 0, 0}));
    const Files Expected{{"Money.dat", "0,0,0,0\r\n"}, {"Name.dat", "\"Player\",0,0,0,0\r\n"}};
    EXPECT_EQ(Snapshot(Folder.Path), Expected);
}

TEST(Records, SavedRecordsLoadBack) {
    const Records Cases[] = {
        {"Player", {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"Lee, Ann", {150, -37, 32768, -32769}, {1, 2, 3, 4}},
        {"", {-1, 1, -1, 1}, {0, 9, 0, 9}},
        {"Zo\xC3\xAB",
         {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), 1000000, 0},
         {32767, -32768, -1, 0}},
    };
    for (const auto& Saved : Cases) {
        TempFolder Folder;
        ASSERT_TRUE(SaveMoneyData(Folder.Path, Saved.FunMoney));
        ASSERT_TRUE(SaveNameData(Folder.Path, Saved.PlayerName, Saved.GamesWon));
        Records Loaded;
        LoadRecords(Folder.Path, Loaded);
        EXPECT_EQ(Loaded.PlayerName, Saved.PlayerName);
        EXPECT_EQ(Loaded.FunMoney, Saved.FunMoney) << Saved.PlayerName;
        EXPECT_EQ(Loaded.GamesWon, Saved.GamesWon) << Saved.PlayerName;
    }
}

TEST(Records, MoneyIsReadUpToTheFirstBadField) {
    const struct {
        std::string Bytes;
        Money Expected;
    } Cases[] = {
        {"", {0, 0, 0, 0}},
        {"5,6\r\n", {5, 6, 0, 0}},
        {"5,6,", {5, 6, 0, 0}},
        {"\x01garbage\xFF\r\n", {0, 0, 0, 0}},
        {"1,2x,3,4\r\n", {1, 0, 0, 0}},
        {"1,,3,4\r\n", {1, 0, 0, 0}},
        {"1,2147483648,3,4\r\n", {1, 0, 0, 0}},
        {"-2147483649,1,1,1\r\n", {0, 0, 0, 0}},
        {" 7 ,\t-8\t, 9,10 \r\n", {7, -8, 9, 10}},
        {"1,2,3,4", {1, 2, 3, 4}},
        {"1\r\n2\n3\r4\r\n", {1, 2, 3, 4}},
    };
    for (const auto& Case : Cases) {
        const Records Loaded = Load(Case.Bytes, std::nullopt);
        EXPECT_EQ(Loaded.FunMoney, Case.Expected) << Case.Bytes;
        EXPECT_EQ(Loaded.PlayerName, "Player");
    }
}

TEST(Records, NameFileIsReadUpToTheFirstBadField) {
    const struct {
        std::string Bytes;
        std::string Name;
        Wins Won;
    } Cases[] = {
        {"", "Player", {0, 0, 0, 0}},
        {"\"Ann\",1,2\r\n", "Ann", {1, 2, 0, 0}},
        {"\"Ann\"", "Ann", {0, 0, 0, 0}},
        {"\"Ann,1,2,3,4\r\n", "Player", {0, 0, 0, 0}},
        {"\"Ann\"x,1,2,3,4\r\n", "Player", {0, 0, 0, 0}},
        {" \"Ann\" , 1 ,2,\t3\t,4 ", "Ann", {1, 2, 3, 4}},
        {"\"\",1,2,3,4\r\n", "", {1, 2, 3, 4}},
        {"\"Ann\",32768,1,1,1\r\n", "Ann", {0, 0, 0, 0}},
        {"\"Ann\",1,-32769,1,1\r\n", "Ann", {1, 0, 0, 0}},
        {"\"Ann\",-32768,32767,0,0\r\n", "Ann", {-32768, 32767, 0, 0}},
        {"\"Zo\xC3\xAB\",0,0,0,1\r\n", "Zo\xC3\xAB", {0, 0, 0, 1}},
        // Without its quotation marks the name is the text up to the comma, when it looks like one.
        {"Ann Lee ,1,2,3,4\r\n", "Ann Lee", {1, 2, 3, 4}},
        {",1,2,3,4\r\n", "Player", {0, 0, 0, 0}},
        {"garbage\r\n", "Player", {0, 0, 0, 0}},
        {"\x01\x02\xFF,1,2,3,4\r\n", "Player", {0, 0, 0, 0}},
    };
    for (const auto& Case : Cases) {
        const Records Loaded = Load(std::nullopt, Case.Bytes);
        EXPECT_EQ(Loaded.PlayerName, Case.Name) << Case.Bytes;
        EXPECT_EQ(Loaded.GamesWon, Case.Won) << Case.Bytes;
        EXPECT_EQ(Loaded.FunMoney, (Money{0, 0, 0, 0}));
    }
}

TEST(Records, LoadingNeverTouchesTheFolder) {
    TempFolder Empty;
    Records Loaded;
    LoadRecords(Empty.Path, Loaded);
    EXPECT_TRUE(fs::is_empty(Empty.Path));
    EXPECT_EQ(Loaded.PlayerName, "Player");
    EXPECT_EQ(Loaded.FunMoney, (Money{0, 0, 0, 0}));
    EXPECT_EQ(Loaded.GamesWon, (Wins{0, 0, 0, 0}));

    TempFolder Full;
    WriteBytes(Full.Path / MoneyFileName, "1,2,3");
    WriteBytes(Full.Path / NameFileName, "\"Ann\",1,2,3,4\r\n");
    WriteBytes(Full.Path / "Other.dat", "x");
    const auto Before = Snapshot(Full.Path);
    LoadRecords(Full.Path, Loaded);
    EXPECT_EQ(Snapshot(Full.Path), Before);
}

TEST(Records, SavingGoesThroughTheWriterItIsGiven) {
    TempFolder Folder;
    WriteBytes(Folder.Path / MoneyFileName, "1,2,3,4\r\n");
    WriteBytes(Folder.Path / NameFileName, "\"Ann\",1,2,3,4\r\n");
    const auto Before = Snapshot(Folder.Path);

    std::vector<std::pair<fs::path, std::string>> Calls;
    const FileWriter Failing = [&](const fs::path& Target, const std::string& Contents) {
        Calls.emplace_back(Target, Contents);
        return false;
    };
    EXPECT_FALSE(SaveMoneyData(Folder.Path, {5, 6, 7, 8}, Failing));
    EXPECT_FALSE(SaveNameData(Folder.Path, "Bob", {5, 6, 7, 8}, Failing));

    const decltype(Calls) Expected{{Folder.Path / "Money.dat", "5,6,7,8\r\n"},
                                   {Folder.Path / "Name.dat", "\"Bob\",5,6,7,8\r\n"}};
    EXPECT_EQ(Calls, Expected);
    EXPECT_EQ(Snapshot(Folder.Path), Before);
}

TEST(Records, FailedWriteLeavesTheOldFileIntact) {
    TempFolder Folder;
    const fs::path Target = Folder.Path / MoneyFileName;
    WriteBytes(Target, "1,2,3,4\r\n");

    // A file-size limit makes the write itself fail, which no permission can do when running as root.
    rlimit Old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &Old), 0);
    rlimit Small = Old;
    Small.rlim_cur = 4;
    const auto OldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool Limited = ::setrlimit(RLIMIT_FSIZE, &Small) == 0;
    const bool Written = WriteFileAtomically(Target, "1000000,2000000,3000000,4000000\r\n");
    ::setrlimit(RLIMIT_FSIZE, &Old);
    std::signal(SIGXFSZ, OldHandler);

    ASSERT_TRUE(Limited);
    EXPECT_FALSE(Written);
    EXPECT_EQ(Snapshot(Folder.Path), (Files{{"Money.dat", "1,2,3,4\r\n"}}));

    EXPECT_TRUE(WriteFileAtomically(Target, "5,6,7,8\r\n"));
    EXPECT_EQ(Snapshot(Folder.Path), (Files{{"Money.dat", "5,6,7,8\r\n"}}));
}

TEST(Records, WriteFailsWhenTheTargetCannotBeReplaced) {
    TempFolder Folder;
    fs::create_directory(Folder.Path / "Money.dat");
    WriteBytes(Folder.Path / "Money.dat" / "inside", "kept");
    const auto Before = Snapshot(Folder.Path);

    EXPECT_FALSE(WriteFileAtomically(Folder.Path / "Money.dat", "0,0,0,0\r\n"));
    EXPECT_FALSE(SaveNameData(Folder.Path / "missing", "Player", {0, 0, 0, 0}));
    EXPECT_EQ(Snapshot(Folder.Path), Before);
    EXPECT_EQ(ReadBytes(Folder.Path / "Money.dat" / "inside"), "kept");
}

TEST(Records, StorableNameDropsWhatWouldBreakTheLine) {
    const std::pair<std::string, std::string> Cases[] = {
        {"Player", "Player"},
        {"Lee, Ann", "Lee, Ann"},
        {"\"Ace\"", "Ace"},
        {"A\r\nB\tC\x1Fz\x7F", "ABCz"},
        {std::string("A\0B", 3), "AB"},
        {"Zo\xC3\xAB ~", "Zo\xC3\xAB ~"},
        {"", ""},
    };
    for (const auto& [Name, Storable] : Cases)
        EXPECT_EQ(StorableName(Name), Storable) << Name;
}

TEST(Records, MoneyTextIsTheShortestDollarAmount) {
    const std::pair<int32_t, std::string> Cases[] = {
        {0, "$ 0"},
        {5, "$ 0.05"},
        {10, "$ 0.1"},
        {100, "$ 1"},
        {150, "$ 1.5"},
        {123456, "$ 1234.56"},
        {-1, "$ -0.01"},
        {-37, "$ -0.37"},
        {-100, "$ -1"},
        {-350, "$ -3.5"},
        {std::numeric_limits<int32_t>::max(), "$ 21474836.47"},
        {std::numeric_limits<int32_t>::min(), "$ -21474836.48"},
    };
    for (const auto& [Cents, Text] : Cases)
        EXPECT_EQ(MoneyText(Cents), Text) << Cents;
}

} // namespace
