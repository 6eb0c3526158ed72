#include "TestTable.h"

#include "scoring/Records.h"

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include <sys/resource.h>

namespace {

using namespace tarnwick;
using sim::ScratchFolder;
using test::Contents;
namespace fs = std::filesystem;

using Money = std::array<int32_t, 4>;
using Wins = std::array<int16_t, 4>;
using Files = std::map<std::string, std::string>;
constexpr int32_t Most = std::numeric_limits<int32_t>::max(), Least = std::numeric_limits<int32_t>::min();

// Every entry in the folder with its contents, to prove nothing was added, replaced or left behind.
Files Snapshot(const fs::path& Folder) {
    Files Entries;
    for (const auto& Entry : fs::directory_iterator(Folder))
        Entries[Entry.path().filename().string()] =
            Entry.is_regular_file() ? Contents(Entry.path()) : "<dir>";
    return Entries;
}

// Loads from a folder holding only the given files and checks the folder is left exactly as it was.
Records Load(const std::optional<std::string>& MoneyBytes, const std::optional<std::string>& NameBytes) {
    ScratchFolder Folder;
    if (MoneyBytes) Folder.Write(MoneyFileName, *MoneyBytes);
    if (NameBytes) Folder.Write(NameFileName, *NameBytes);
    Folder.Write("Other.dat", "x");
    const auto Before = Snapshot(Folder.Path);
    Records Loaded;
    LoadRecords(Folder.Path, Loaded);
    EXPECT_EQ(Snapshot(Folder.Path), Before) << "loading must never write";
    return Loaded;
}

TEST(Records, SavedFilesAreByteExactAndLoadBack) {
    const struct {
        Records Saved;
        std::string MoneyBytes, NameBytes;
    } Cases[] = {
        {{"Player", {0, 0, 0, 0}, {0, 0, 0, 0}}, "0,0,0,0\r\n", "\"Player\",0,0,0,0\r\n"},
        {{"Lee, Ann", {150, -37, 40000, Least}, {3, -1, 32767, -32768}},
         "150,-37,40000,-2147483648\r\n",
         "\"Lee, Ann\",3,-1,32767,-32768\r\n"},
        {{"", {Most, 1, -1, 0}, {0, 9, 0, 9}}, "2147483647,1,-1,0\r\n", "\"\",0,9,0,9\r\n"},
        {{"Zo\xC3\xAB", {1, 2, 3, 4}, {1, 2, 3, 4}}, "1,2,3,4\r\n", "\"Zo\xC3\xAB\",1,2,3,4\r\n"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Saved.PlayerName);
        ScratchFolder Folder;
        ASSERT_TRUE(SaveMoneyData(Folder.Path, C.Saved.FunMoney));
        ASSERT_TRUE(SaveNameData(Folder.Path, C.Saved.PlayerName, C.Saved.GamesWon));
        EXPECT_EQ(Snapshot(Folder.Path), (Files{{"Money.dat", C.MoneyBytes}, {"Name.dat", C.NameBytes}}));
        const Records Loaded = Load(C.MoneyBytes, C.NameBytes);
        EXPECT_EQ(Loaded.PlayerName, C.Saved.PlayerName);
        EXPECT_EQ(Loaded.FunMoney, C.Saved.FunMoney);
        EXPECT_EQ(Loaded.GamesWon, C.Saved.GamesWon);
    }
    EXPECT_EQ(NameLine("Ann \"Ace\"\r\n", {1, 2, 3, 4}), "\"Ann Ace\",1,2,3,4\r\n");
}

TEST(Records, MoneyIsReadUpToTheFirstBadField) {
    const std::pair<std::optional<std::string>, Money> Cases[] = {
        {std::nullopt, {0, 0, 0, 0}},
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
    for (const auto& [Bytes, Expected] : Cases) {
        const Records Loaded = Load(Bytes, std::nullopt);
        EXPECT_EQ(Loaded.FunMoney, Expected) << Bytes.value_or("<none>");
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
        {"\"Ann\",32768,1,1,1\r\n", "Ann", {0, 0, 0, 0}},
        {"\"Ann\",1,-32769,1,1\r\n", "Ann", {1, 0, 0, 0}},
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

TEST(Records, FailedWriteLeavesTheOldFileIntact) {
    ScratchFolder Folder;
    const fs::path Target = Folder.Path / MoneyFileName;
    Folder.Write(MoneyFileName, "1,2,3,4\r\n");

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
    ScratchFolder Folder;
    fs::create_directory(Folder.Path / "Money.dat");
    Folder.Write("Money.dat/inside", "kept");
    EXPECT_FALSE(WriteFileAtomically(Folder.Path / "Money.dat", "0,0,0,0\r\n"));
    EXPECT_FALSE(SaveNameData(Folder.Path / "missing", "Player", {0, 0, 0, 0}));
    EXPECT_EQ(Snapshot(Folder.Path), (Files{{"Money.dat", "<dir>"}}));
    EXPECT_EQ(Contents(Folder.Path / "Money.dat" / "inside"), "kept");
}

TEST(Records, StorableNameDropsWhatWouldBreakTheLine) {
    const std::pair<std::string, std::string> Cases[] = {
        {"Lee, Ann", "Lee, Ann"},         {"\"Ace\"", "Ace"},
        {"A\r\nB\tC\x1Fz\x7F", "ABCz"},   {std::string("A\0B", 3), "AB"},
        {"Zo\xC3\xAB ~", "Zo\xC3\xAB ~"},
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
        {123456, "$ 1234.56"},
        {-1, "$ -0.01"},
        {-37, "$ -0.37"},
        {-350, "$ -3.5"},
        {Most, "$ 21474836.47"},
        {Least, "$ -21474836.48"},
    };
    for (const auto& [Cents, Text] : Cases)
        EXPECT_EQ(MoneyText(Cents), Text) << Cents;
}

} // namespace
