// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestTable.h"

#include "records/Records.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <future>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    } Cases[] = {{{"Player", {0, 0, 0, 0}, {0, 0, 0, 0}}, "0,0,0,0\r\n", "\"Player\",0,0,0,0\r\n"},
                 {{"Lee, Ann", {150, -37, 40000, -Most}, {3, -1, 32767, -32768}},
                  "150,-37,40000,-2147483647\r\n",
                  "\"Lee, Ann\",3,-1,32767,-32768\r\n"},
                 {{"", {Most, 1, -1, 0}, {0, 9, 0, 9}}, "2147483647,1,-1,0\r\n", "\"\",0,9,0,9\r\n"},
                 {{"Zo\xC3\xAB", {1, 2, 3, 4}, {1, 2, 3, 4}}, "1,2,3,4\r\n", "\"Zo\xC3\xAB\",1,2,3,4\r\n"}};
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
        {"\x01garbage\xFF\r\n", {0, 0, 0, 0}},
        {"1,2x,3,4\r\n", {1, 0, 0, 0}},
        // Balances beyond what the file holds stop at the limit, whatever their size.
        {"1,2147483648,3,4\r\n", {1, Most, 3, 4}},
        {"-2147483648,99999999999999999999999,-99999999999999999999999,0\r\n", {-Most, Most, -Most, 0}},
        {" 7 ,\t-8\t, 9,10 \r\n", {7, -8, 9, 10}},
        {"1,2,3,4", {1, 2, 3, 4}},
        {"1\r\n2\n3\r4\r\n", {1, 2, 3, 4}}};
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
    } Cases[] = {{"", "Player", {0, 0, 0, 0}},
                 {"\"Ann\",1,2\r\n", "Ann", {1, 2, 0, 0}},
                 {"\"Ann,1,2,3,4\r\n", "Player", {0, 0, 0, 0}},
                 {"\"Ann\"x,1,2,3,4\r\n", "Player", {0, 0, 0, 0}},
                 {" \"Ann\" , 1 ,2,\t3\t,4 ", "Ann", {1, 2, 3, 4}},
                 {"\"Ann\",32768,1,1,1\r\n", "Ann", {0, 0, 0, 0}},
                 {"\"Ann\",1,-32769,1,1\r\n", "Ann", {1, 0, 0, 0}},
                 // Without its quotation marks the name is the text up to the comma, when it looks like one.
                 {"Ann Lee ,1,2,3,4\r\n", "Ann Lee", {1, 2, 3, 4}},
                 {",1,2,3,4\r\n", "Player", {0, 0, 0, 0}},
                 {"\x01\x02\xFF,1,2,3,4\r\n", "Player", {0, 0, 0, 0}}};
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

// A stored name loses what would break its line, and keeps forty characters at most, counted as
// UTF-8 characters, however the name came; a malformed byte counts as a character of its own.
// Cleaning an already clean name changes nothing.
TEST(Records, StorableNamesAreCleanAndCutToFortyCharacters) {
    const std::string Forty(40, 'A'), Accented = "\xC3\xA9";
    std::string FortyAccented;
    for (int I = 0; I < 40; ++I)
        FortyAccented += Accented;
    const std::pair<std::string, std::string> Cases[] = {
        {std::string(30000, 'A'), Forty},
        {Forty + "B", Forty},
        {std::string(39, 'A') + "\"\r\nBC", std::string(39, 'A') + "B"},
        {FortyAccented + Accented, FortyAccented},
        {std::string(39, 'A') + "\xF0\x9F\x82\xA1" + "Z", std::string(39, 'A') + "\xF0\x9F\x82\xA1"},
        {std::string(100, '\x80'), std::string(40, '\x80')},
        {"Lee, Ann", "Lee, Ann"},
        {"A\"Ace\"\r\nB\tC\x1Fz\x7F", "AAceBCz"},
        {std::string("A\0B", 3), "AB"},
        {"Zo\xC3\xAB ~", "Zo\xC3\xAB ~"}};
    for (const auto& [Name, Cut] : Cases) {
        EXPECT_EQ(StorableName(Name), Cut) << Name.size();
        EXPECT_EQ(StorableName(Cut), Cut);
    }
}

// A pasted name of 30,000 characters is written as its first forty and reads back exactly; a long
// name already in Name.dat, quoted or not, is read as its first forty, with the counts after it.
TEST(Records, LongNamesAreWrittenAndReadCut) {
    ScratchFolder Folder;
    ASSERT_TRUE(SaveNameData(Folder.Path, std::string(30000, 'N'), {5, 6, 7, 8}));
    const std::string Line = "\"" + std::string(40, 'N') + "\",5,6,7,8\r\n";
    EXPECT_EQ(Contents(Folder.Path / NameFileName), Line);
    for (const std::string& Bytes :
         {Line, "\"" + std::string(1500, 'N') + "\",5,6,7,8\r\n", std::string(1500, 'N') + ",5,6,7,8\r\n"}) {
        const Records Loaded = Load(std::nullopt, Bytes);
        EXPECT_EQ(Loaded.PlayerName, std::string(40, 'N'));
        EXPECT_EQ(Loaded.GamesWon, (Wins{5, 6, 7, 8}));
    }
}

// A pipe or a folder by the name of a records file reads as missing, at once: nothing waits for a
// writer that never comes.
TEST(Records, OnlyRegularFilesAreRead) {
    ScratchFolder Folder;
    for (const char* Name : {MoneyFileName, NameFileName})
        ASSERT_EQ(::mkfifo((Folder.Path / Name).c_str(), 0600), 0);
    auto Reading = std::async(std::launch::async, [&Folder] {
        Records Loaded;
        Loaded.FunMoney = {1, 2, 3, 4};
        LoadRecords(Folder.Path, Loaded);
        return Loaded;
    });
    if (Reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Writers let the stuck reads end, so the test can report it instead of hanging.
        for (const char* Name : {MoneyFileName, NameFileName}) {
            const int Writer = ::open((Folder.Path / Name).c_str(), O_WRONLY | O_NONBLOCK);
            if (Writer >= 0) ::close(Writer);
        }
        FAIL() << "reading a pipe waited for a writer";
    }
    const Records Loaded = Reading.get();
    EXPECT_EQ(Loaded.FunMoney, (Money{1, 2, 3, 4}));
    EXPECT_EQ(Loaded.PlayerName, "Player");

    ScratchFolder Folders;
    fs::create_directory(Folders.Path / MoneyFileName);
    fs::create_directory(Folders.Path / NameFileName);
    Records FromFolders;
    LoadRecords(Folders.Path, FromFolders);
    EXPECT_EQ(FromFolders.FunMoney, (Money{}));
    EXPECT_EQ(FromFolders.PlayerName, "Player");
}

// Each file is read from the folder of an earlier run only while the records folder has no entry
// by its name, readable or not.
TEST(Records, AFileNotYetInTheFolderIsReadFromTheEarlierOne) {
    ScratchFolder Earlier, Now;
    Earlier.Write(MoneyFileName, "1,2,3,4\r\n");
    Earlier.Write(NameFileName, "\"Ann\",1,1,1,1\r\n");
    Records Loaded;
    LoadRecords(Now.Path, Loaded, Earlier.Path);
    EXPECT_EQ(Loaded.FunMoney, (Money{1, 2, 3, 4}));
    EXPECT_EQ(Loaded.PlayerName, "Ann");

    Now.Write(NameFileName, "\"Bea\",2,2,2,2\r\n");
    Now.Write(MoneyFileName, "");
    Records Mixed;
    LoadRecords(Now.Path, Mixed, Earlier.Path);
    EXPECT_EQ(Mixed.FunMoney, (Money{}));
    EXPECT_EQ(Mixed.PlayerName, "Bea");
    EXPECT_EQ(Mixed.GamesWon, (Wins{2, 2, 2, 2}));
    EXPECT_EQ(Snapshot(Earlier.Path).size(), 2u);
}

// A temporary file is removed only when the process that made it has gone: a save of this process,
// or of any other still running, keeps its own; anything else in the folder stays.
TEST(Records, LeftoverTemporariesOfGoneProcessesAreRemoved) {
    const pid_t Gone = ::fork();
    if (Gone == 0) ::_exit(0);
    ASSERT_GT(Gone, 0);
    ASSERT_EQ(::waitpid(Gone, nullptr, 0), Gone);
    const std::string Dead = std::to_string(Gone), Alive = std::to_string(::getpid());

    ScratchFolder Folder;
    const std::vector<std::string> Removed = {"Money.dat.tmp." + Dead + ".0", "Name.dat.tmp." + Dead + ".17"};
    const std::vector<std::string> Kept = {"Money.dat.tmp." + Alive + ".3",
                                           "Name.dat.tmp.1.2",
                                           "Money.dat",
                                           "Money.dat.tmp." + Dead,
                                           "Money.dat.tmp." + Dead + ".x",
                                           "Other.dat.tmp." + Dead + ".1",
                                           "Name.dat.tmp.-5.1"};
    for (const auto& Name : Removed)
        Folder.Write(Name, "1,2");
    for (const auto& Name : Kept)
        Folder.Write(Name, "kept");
    fs::create_directory(Folder.Path / ("Name.dat.tmp." + Dead + ".9"));

    EXPECT_EQ(RemoveLeftoverTemporaries(Folder.Path), 2);
    Files Expected;
    for (const auto& Name : Kept)
        Expected[Name] = "kept";
    Expected["Name.dat.tmp." + Dead + ".9"] = "<dir>";
    EXPECT_EQ(Snapshot(Folder.Path), Expected);
    EXPECT_EQ(RemoveLeftoverTemporaries(Folder.Path / "missing"), 0);
}

// Balances stop at the limits, either side, and the limits are each other's negation.
TEST(Records, BalancesStayWithinTheLimits) {
    const struct {
        int32_t Balance;
        int64_t Cents;
        int32_t After;
    } Cases[] = {{0, 150, 150},
                 {-37, -100, -137},
                 {Most - 10, 50, Most},
                 {-Most + 10, -50, -Most},
                 {Least, 0, -Most},
                 {Most, std::numeric_limits<int64_t>::max(), Most},
                 {-Most, std::numeric_limits<int64_t>::min(), -Most},
                 {Most, -Most, 0}};
    for (const auto& C : Cases)
        EXPECT_EQ(AddToBalance(C.Balance, C.Cents), C.After) << C.Balance << " " << C.Cents;
    EXPECT_EQ(ClampBalance(std::numeric_limits<int64_t>::min()), -Most);
}

TEST(Records, MoneyTextIsTheShortestDollarAmount) {
    const std::pair<int32_t, std::string> Cases[] = {
        {0, "$ 0"},       {5, "$ 0.05"},    {10, "$ 0.1"},           {123456, "$ 1234.56"},
        {-37, "$ -0.37"}, {-350, "$ -3.5"}, {Most, "$ 21474836.47"}, {Least, "$ -21474836.48"}};
    for (const auto& [Cents, Text] : Cases)
        EXPECT_EQ(MoneyText(Cents), Text) << Cents;
}

} // namespace
