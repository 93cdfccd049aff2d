// The high score file: its byte layout, the table rules and a save that never
// loses the previous file. Expected bytes are written out by hand.
#include "scores/HighScoresLoader.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "scores/FilePath.h"
#include "tests/support/CaptureStdout.h"
#include "tests/support/TableKey.h"
#include "tests/support/TempHome.h"

namespace {

using Bytes = std::vector<unsigned char>;

// One record as it lies on disk: the four key fields, then the score, each
// little-endian. Only for small non-negative values, which are one byte each.
Bytes smallRecord(unsigned char leftCivilians, unsigned char rightCivilians,
                  unsigned char leftFighters, unsigned char rightFighters, unsigned char score) {
    return {leftCivilians, 0, 0, 0, rightCivilians, 0, 0, 0, leftFighters, 0, 0, 0,
            rightFighters, 0, 0, 0, score,          0, 0, 0};
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

class HighScoresLoaderTest : public testing::Test {
  protected:
    void SetUp() override {
        directory = getFilePath();
        path = directory + "/.Truceward";
    }

    void writeFile(const Bytes& bytes) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good());
    }

    Bytes readFile() const {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Every name in the per-user directory.
    std::set<std::string> directoryEntries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(directory)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    TempHome home;
    // Keeps the load messages of a missing file out of the test log.
    CaptureStdout quiet;
    std::string directory;
    std::string path;
};

TEST_F(HighScoresLoaderTest, MissingFileIsReportedAndStaysMissing) {
    CaptureStdout output;
    {
        HighScoresLoader table;
        EXPECT_TRUE(table.scores.empty());
        EXPECT_EQ(table.getScore(tableKey(32, 32, 2, 2)), 0);
    }
    EXPECT_EQ(output.text(), "Error loading high scores file: " + path + "\n");
    EXPECT_FALSE(std::filesystem::exists(path)) << "an empty table is never written";
}

TEST_F(HighScoresLoaderTest, EmptyFileStaysEmpty) {
    writeFile({});
    CaptureStdout output;
    {
        HighScoresLoader table;
        EXPECT_TRUE(table.scores.empty());
    }
    EXPECT_EQ(output.text(), "");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(HighScoresLoaderTest, TrailingPartialRecordIsIgnoredAndDropped) {
    const Bytes first = smallRecord(32, 31, 2, 3, 40);
    const Bytes second = smallRecord(5, 6, 7, 8, 9);
    writeFile(concat({first, second, {1, 2, 3, 4, 5}}));
    {
        HighScoresLoader table;
        ASSERT_EQ(table.scores.size(), 2u);
        EXPECT_EQ(table.getScore(tableKey(32, 31, 2, 3)), 40);
        EXPECT_EQ(table.getScore(tableKey(5, 6, 7, 8)), 9);
    }
    EXPECT_EQ(readFile(), concat({first, second}));
}

TEST_F(HighScoresLoaderTest, FieldsAreLittleEndianSignedInDiskOrder) {
    // Key (258, 65536, -1, 2147483647), score -2.
    writeFile({0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0xFF, 0xFF,
               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0xFE, 0xFF, 0xFF, 0xFF});
    HighScoresLoader table;
    ASSERT_EQ(table.scores.size(), 1u);
    const HighScoresLoader::Score& entry = table.scores[0];
    EXPECT_EQ(entry.leftCivilians, 258);
    EXPECT_EQ(entry.rightCivilians, 65536);
    EXPECT_EQ(entry.leftFighters, -1);
    EXPECT_EQ(entry.rightFighters, 2147483647);
    EXPECT_EQ(entry.score, -2);
}

TEST_F(HighScoresLoaderTest, SavedRecordHasTheKeyThenTheScore) {
    {
        HighScoresLoader table;
        table.setScore(tableKey(1, 2, 3, 4), 7);
    }
    EXPECT_EQ(readFile(), smallRecord(1, 2, 3, 4, 7));

    // Wider and negative values, byte by byte.
    {
        HighScoresLoader table;
        table.setScore(tableKey(300, -3, 65537, 0), -100000);
    }
    const Bytes file = readFile();
    ASSERT_EQ(file.size(), 40u);
    const Bytes second(file.begin() + 20, file.end());
    EXPECT_EQ(second, (Bytes{0x2C, 0x01, 0x00, 0x00, 0xFD, 0xFF, 0xFF, 0xFF, 0x01, 0x00,
                             0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x60, 0x79, 0xFE, 0xFF}));
}

TEST_F(HighScoresLoaderTest, OnlyTheBestScoreOfAKeyIsKept) {
    HighScoresLoader table;
    table.setScore(tableKey(32, 32, 2, 2), 100);
    table.setScore(tableKey(32, 32, 2, 2), 80);
    EXPECT_EQ(table.getScore(tableKey(32, 32, 2, 2)), 100);
    table.setScore(tableKey(32, 32, 2, 2), 150);
    EXPECT_EQ(table.getScore(tableKey(32, 32, 2, 2)), 150);
    table.setScore(tableKey(32, 32, 2, 2), 150);
    EXPECT_EQ(table.scores.size(), 1u);
    EXPECT_EQ(table.getScore(tableKey(32, 32, 2, 3)), 0);
    // The key is the four numbers in their order, not their set.
    EXPECT_EQ(table.getScore(tableKey(32, 2, 32, 2)), 0);
}

TEST_F(HighScoresLoaderTest, NewKeysAreAppendedWhateverTheirScore) {
    HighScoresLoader table;
    table.setScore(tableKey(1, 1, 1, 1), 0);
    table.setScore(tableKey(2, 2, 2, 2), -5);
    table.setScore(tableKey(3, 3, 3, 3), 12);
    ASSERT_EQ(table.scores.size(), 3u);
    EXPECT_EQ(table.scores[0].score, 0);
    EXPECT_EQ(table.scores[1].score, -5);
    EXPECT_EQ(table.scores[1].leftCivilians, 2);
    EXPECT_EQ(table.scores[2].score, 12);
    // A worse score than a negative one is still not kept.
    table.setScore(tableKey(2, 2, 2, 2), -6);
    EXPECT_EQ(table.getScore(tableKey(2, 2, 2, 2)), -5);
}

TEST_F(HighScoresLoaderTest, FirstMatchingEntryWinsAndTableOrderIsKept) {
    const Bytes duplicateA = smallRecord(9, 9, 9, 9, 10);
    const Bytes other = smallRecord(1, 2, 3, 4, 5);
    const Bytes duplicateB = smallRecord(9, 9, 9, 9, 90);
    writeFile(concat({duplicateA, other, duplicateB}));
    {
        HighScoresLoader table;
        EXPECT_EQ(table.getScore(tableKey(9, 9, 9, 9)), 10);
        table.setScore(tableKey(9, 9, 9, 9), 20);
        EXPECT_EQ(table.getScore(tableKey(9, 9, 9, 9)), 20);
    }
    EXPECT_EQ(readFile(), concat({smallRecord(9, 9, 9, 9, 20), other, duplicateB}));
}

TEST_F(HighScoresLoaderTest, SuccessfulSaveLeavesOnlyTheFile) {
    writeFile(smallRecord(1, 1, 1, 1, 1));
    {
        HighScoresLoader table;
        table.setScore(tableKey(2, 2, 2, 2), 2);
        EXPECT_TRUE(table.save());
    }
    EXPECT_EQ(directoryEntries(), std::set<std::string>{".Truceward"});
    EXPECT_EQ(readFile(), concat({smallRecord(1, 1, 1, 1, 1), smallRecord(2, 2, 2, 2, 2)}));
}

// Lowers the file-size limit to nothing while it lives, with SIGXFSZ ignored
// so that an oversized write fails instead of ending the process.
class NoFileGrowth {
  public:
    NoFileGrowth() {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit none = saved;
        none.rlim_cur = 0;
        active = setrlimit(RLIMIT_FSIZE, &none) == 0;
    }
    NoFileGrowth(const NoFileGrowth&) = delete;
    NoFileGrowth& operator=(const NoFileGrowth&) = delete;
    ~NoFileGrowth() {
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, previousHandler);
    }
    bool active = false;

  private:
    rlimit saved{};
    void (*previousHandler)(int) = SIG_DFL;
};

TEST_F(HighScoresLoaderTest, SaveThatCannotWriteKeepsThePreviousFile) {
    const Bytes previous = concat({smallRecord(32, 32, 2, 2, 100), smallRecord(3, 3, 3, 3, 3)});
    writeFile(previous);
    CaptureStdout output;
    {
        HighScoresLoader table;
        table.setScore(tableKey(32, 32, 2, 2), 200);
        table.setScore(tableKey(4, 4, 4, 4), 4);
        NoFileGrowth limit;
        ASSERT_TRUE(limit.active);
        EXPECT_FALSE(table.save());
    }
    // The destructor's own attempt, made after the limit was lifted, is what
    // may finally replace the file; the failed one must have left no trace.
    EXPECT_EQ(output.text(), "Error saving high scores file: " + path + "\n");
    EXPECT_EQ(directoryEntries(), std::set<std::string>{".Truceward"});
    EXPECT_EQ(readFile(), concat({smallRecord(32, 32, 2, 2, 200), smallRecord(3, 3, 3, 3, 3),
                                  smallRecord(4, 4, 4, 4, 4)}));
}

TEST_F(HighScoresLoaderTest, FailedSaveOnDestructionKeepsThePreviousFile) {
    const Bytes previous = concat({smallRecord(32, 32, 2, 2, 100), smallRecord(3, 3, 3, 3, 3)});
    writeFile(previous);
    CaptureStdout output;
    {
        NoFileGrowth limit;
        ASSERT_TRUE(limit.active);
        HighScoresLoader table;
        table.setScore(tableKey(32, 32, 2, 2), 200);
    }
    EXPECT_EQ(output.text(), "Error saving high scores file: " + path + "\n");
    EXPECT_EQ(readFile(), previous);
    EXPECT_EQ(directoryEntries(), std::set<std::string>{".Truceward"});
}

// A tmpfs of two pages mounted over the per-user directory while it lives.
class TinyFileSystem {
  public:
    explicit TinyFileSystem(const std::string& where) : where(where) {
        mounted = mount("tmpfs", where.c_str(), "tmpfs", 0, "size=8k") == 0;
        error = errno;
    }
    TinyFileSystem(const TinyFileSystem&) = delete;
    TinyFileSystem& operator=(const TinyFileSystem&) = delete;
    ~TinyFileSystem() {
        if (mounted) {
            umount2(where.c_str(), MNT_DETACH);
        }
    }
    bool mounted = false;
    int error = 0;

  private:
    std::string where;
};

TEST_F(HighScoresLoaderTest, SaveOnAFullFileSystemKeepsThePreviousFile) {
    TinyFileSystem tiny(directory);
    if (!tiny.mounted) {
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(tiny.error);
    }
    const Bytes previous = smallRecord(32, 32, 2, 2, 100);
    writeFile(previous);
    ASSERT_EQ(readFile(), previous);
    CaptureStdout output;
    {
        HighScoresLoader table;
        // 20 000 bytes: far more than the free page.
        for (int i = 0; i < 1000; ++i) {
            table.setScore(tableKey(i, i, i, i), i);
        }
    }
    EXPECT_EQ(output.text(), "Error saving high scores file: " + path + "\n");
    EXPECT_EQ(readFile(), previous);
    EXPECT_EQ(directoryEntries(), std::set<std::string>{".Truceward"});
}

TEST_F(HighScoresLoaderTest, SaveThatCannotReplaceTheFileLeavesNoCopy) {
    // A directory where the file should be cannot be renamed over.
    std::filesystem::create_directory(path);
    std::filesystem::create_directory(path + "/kept");
    CaptureStdout output;
    {
        HighScoresLoader table;
        table.setScore(tableKey(1, 2, 3, 4), 5);
    }
    EXPECT_NE(output.text().find("Error saving high scores file: " + path + "\n"),
              std::string::npos);
    EXPECT_EQ(directoryEntries(), std::set<std::string>{".Truceward"});
    EXPECT_TRUE(std::filesystem::is_directory(path + "/kept"));
}

TEST_F(HighScoresLoaderTest, SaveMergesWithWhatAnotherGameSavedMeanwhile) {
    writeFile(concat({smallRecord(1, 1, 1, 1, 5), smallRecord(2, 2, 2, 2, 1)}));
    HighScoresLoader table;
    // Another game raises one key and adds another while this one runs.
    writeFile(concat(
        {smallRecord(1, 1, 1, 1, 5), smallRecord(2, 2, 2, 2, 9), smallRecord(3, 3, 3, 3, 3)}));
    table.setScore(tableKey(1, 1, 1, 1), 7);
    table.setScore(tableKey(2, 2, 2, 2), 4);
    table.setScore(tableKey(4, 4, 4, 4), 4);
    ASSERT_TRUE(table.save());
    EXPECT_EQ(readFile(), concat({smallRecord(1, 1, 1, 1, 7), smallRecord(2, 2, 2, 2, 9),
                                  smallRecord(3, 3, 3, 3, 3), smallRecord(4, 4, 4, 4, 4)}));
    EXPECT_EQ(table.getScore(tableKey(3, 3, 3, 3)), 3);
}

TEST_F(HighScoresLoaderTest, ATableThatCouldNotBeReadIsKeptButNotWritten) {
    ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
    CaptureStdout output;
    {
        HighScoresLoader table;
        table.setScore(tableKey(1, 2, 3, 4), 5);
        EXPECT_FALSE(table.save());
    }
    // The next title screen of the run still knows the score.
    HighScoresLoader later;
    EXPECT_EQ(later.getScore(tableKey(1, 2, 3, 4)), 5);
    EXPECT_TRUE(std::filesystem::is_fifo(path));
    EXPECT_NE(output.text().find("Error saving high scores file: " + path + "\n"),
              std::string::npos);
}

// Grown past any table's size since it was read (another program's, or
// damaged): the save neither reads it nor writes over it.
TEST_F(HighScoresLoaderTest, AFileGrownPastAnyTablesSizeIsNotSavedOver) {
    constexpr std::uintmax_t kGibibyte = std::uintmax_t{1} << 30;
    writeFile(smallRecord(1, 1, 1, 1, 1));
    HighScoresLoader table;
    std::filesystem::resize_file(path, kGibibyte);
    table.setScore(tableKey(2, 2, 2, 2), 2);
    EXPECT_FALSE(table.save());
    EXPECT_EQ(std::filesystem::file_size(path), kGibibyte);
}

// Two games, each holding the table as it was when they started, save at the
// same moment: neither may lose the other's record, and the file is never torn.
TEST_F(HighScoresLoaderTest, GamesSavingAtOnceKeepEachOthersRecords) {
    constexpr int kRounds = 20;
    for (int round = 0; round < kRounds; ++round) {
        int go[2];
        ASSERT_EQ(pipe(go), 0);
        pid_t games[2];
        for (int game = 0; game < 2; ++game) {
            games[game] = fork();
            ASSERT_GE(games[game], 0);
            if (games[game] == 0) {
                close(go[1]);
                HighScoresLoader table;
                table.setScore(tableKey(round, game, 1, 1), round);
                char start;
                const bool released = read(go[0], &start, 1) == 0;
                _exit(released && table.save() ? 0 : 1);
            }
        }
        close(go[0]);
        close(go[1]);  // both start saving now
        for (pid_t game : games) {
            int status = 0;
            waitpid(game, &status, 0);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        ASSERT_EQ(readFile().size(), 2 * (round + 1) * HighScoresLoader::kRecordSize);
        HighScoresLoader table;
        for (int earlier = 0; earlier <= round; ++earlier) {
            ASSERT_EQ(table.getScore(tableKey(earlier, 0, 1, 1)), earlier) << "round " << round;
            ASSERT_EQ(table.getScore(tableKey(earlier, 1, 1, 1)), earlier) << "round " << round;
        }
    }
}

// Six games of a user other than root save at once beside the lock file a
// killed game of root's left (0644, kept by a sticky folder), three of them
// from a second home whose table links the first: every record whose save
// succeeded is in the table, nothing else is left beside it, and a later save
// by root leaves it its owner.
TEST_F(HighScoresLoaderTest, GamesOfTwoHomesAndTwoUsersShareOneLock) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "acting as another user needs root";
    }
    constexpr uid_t kNobody = 65534;
    constexpr int kGames = 6;
    constexpr int kRecords = 40;
    const std::string linked = home.path + "/second/Library/Application Support/Truceward";
    std::filesystem::create_directories(linked);
    std::filesystem::create_symlink(path, linked + "/.Truceward");
    std::ofstream(path + ".lock").put('x');
    writeFile(smallRecord(9, 9, 9, 9, 9));
    ASSERT_EQ(chmod((path + ".lock").c_str(), 0644), 0);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home.path)) {
        ASSERT_EQ(lchown(entry.path().c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(lchown((path + ".lock").c_str(), 0, 0) | lchown(directory.c_str(), 0, 0), 0);
    ASSERT_EQ(chmod(home.path.c_str(), 0755) | chmod(directory.c_str(), 01777), 0);
    int saved[2];
    ASSERT_EQ(pipe(saved), 0);
    for (int game = 0; game < kGames; ++game) {
        if (fork() == 0) {
            close(saved[0]);
            const std::string ownHome = game % 2 ? home.path + "/second" : home.path;
            if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                _exit(1);
            }
            setenv("HOME", ownHome.c_str(), 1);
            for (int record = 0; record < kRecords; ++record) {
                HighScoresLoader table;
                table.setScore(tableKey(game, record, 1, 1), record);
                const char message[2] = {static_cast<char>(game), static_cast<char>(record)};
                if (table.save() && write(saved[1], message, 2) != 2) {
                    _exit(1);
                }
            }
            _exit(0);
        }
    }
    close(saved[1]);
    std::set<std::pair<int, int>> succeeded;
    for (char message[2]; read(saved[0], message, 2) == 2;) {
        succeeded.insert({message[0], message[1]});
    }
    close(saved[0]);
    while (wait(nullptr) > 0) {
    }
    EXPECT_EQ(succeeded.size(), static_cast<std::size_t>(kGames * kRecords));
    HighScoresLoader table;
    for (const auto& [game, record] : succeeded) {
        EXPECT_EQ(table.getScore(tableKey(game, record, 1, 1)), record) << game << " " << record;
    }
    EXPECT_EQ(directoryEntries(), (std::set<std::string>{".Truceward", ".Truceward.lock"}));
    ASSERT_TRUE(table.save());
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kNobody);
    EXPECT_TRUE(std::filesystem::is_symlink(linked + "/.Truceward"));
}

// Saves of a large table killed at any moment: the file is always one whole
// table, the old or the new, and the next save clears away what they left.
TEST_F(HighScoresLoaderTest, KilledSavesLeaveAWholeTableAndTheNextSaveClearsUp) {
    constexpr int kRounds = 30;
    constexpr int kRecords = 50000;
    {
        HighScoresLoader table;
        for (int i = 0; i < kRecords; ++i) {
            table.scores.push_back({i, i, 0, 0, 0});
        }
        ASSERT_TRUE(table.save());
    }
    // A game that files one record and saves; the first one is left to finish,
    // so that the kills can be spread over the whole time a save takes here.
    const auto startGame = [](int round) {
        const pid_t game = fork();
        if (game == 0) {
            HighScoresLoader table;
            table.setScore(tableKey(-1, round, 0, 0), round);
            _exit(table.save() ? 0 : 1);
        }
        return game;
    };
    const auto started = std::chrono::steady_clock::now();
    const pid_t first = startGame(-1);
    ASSERT_GE(first, 0);
    waitpid(first, nullptr, 0);
    const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - started);
    std::mt19937 random(7);
    std::uniform_int_distribution<long> delay(0, saveTime.count() * 3 / 2);
    int killedPartWay = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Bytes before = readFile();
        const pid_t game = startGame(round);
        ASSERT_GE(game, 0);
        usleep(static_cast<useconds_t>(delay(random)));
        kill(game, SIGKILL);
        waitpid(game, nullptr, 0);
        const Bytes after = readFile();
        const bool unchanged = after == before;
        const bool saved = after.size() == before.size() + HighScoresLoader::kRecordSize &&
                           std::equal(before.begin(), before.end(), after.begin());
        ASSERT_TRUE(unchanged || saved) << "round " << round << ": " << after.size() << " bytes";
        killedPartWay += directoryEntries().size() > 1 ? 1 : 0;
    }
    {
        HighScoresLoader table;
        table.setScore(tableKey(-2, 0, 0, 0), 0);
        ASSERT_TRUE(table.save());
    }
    EXPECT_EQ(directoryEntries(), std::set<std::string>{".Truceward"})
        << killedPartWay << " of the kills left something behind";
}

}  // namespace
