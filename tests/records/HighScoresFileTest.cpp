#include "RecordsFakes.h"
#include "records/HighScoresReader.h"
#include "records/HighScoresWriter.h"
#include "records/RankingTexts.h"
#include "records/ScoreKeeper.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarrix::records;
using namespace quarrix::test;

// The three tables holding the given rows; a table given no rows keeps its placeholder row.
static HighScoreTables tablesOf(const std::vector<ScoreRow>& scores, const std::vector<ScoreRow>& combos = {},
                                const std::vector<ScoreRow>& chains = {})
{
    HighScoreTables tables;
    for (const auto& [t, rows] : {std::pair{0, &scores}, {1, &combos}, {2, &chains}}) {
        for (std::size_t i = 0; i < rows->size(); ++i) {
            tables[t].storeRow(i, (*rows)[i]);
        }
    }
    return tables;
}

class ScoreKeeperTest : public ::testing::Test {
protected:
    TempWorkingDir dir;
    RecordsFakes fakes;
    ScoreKeeper keeper{{fakes, fakes, fakes}};
};

TEST(HighScoresWriter, QuotesEveryItemOnACrLfLineWithNextAfterEachTable)
{
    EXPECT_EQ(HighScoresWriter::write(tablesOf({{"Ann", "30", "2", "5"}}, {}, {{"a,b", "1", "9", "8"}})),
              "\"Ann\"\r\n\"30\"\r\n\"2\"\r\n\"5\"\r\n\"NEXT\"\r\n"
              "\"Nobody (100%)\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"NEXT\"\r\n"
              "\"a,b\"\r\n\"1\"\r\n\"9\"\r\n\"8\"\r\n\"NEXT\"\r\n");
}

TEST(HighScoresReader, ItemRulesAndDamage)
{
    constexpr ReadOutcome Ok = ReadOutcome::Loaded, Bad = ReadOutcome::Damaged;
    const ScoreRow a{"7", "7", "7", "7"};
    const std::string aRow = quotedLines({"7", "7", "7", "7"}), kib(4096, 'x');
    const std::string next = quotedLines({"NEXT"}), threeNext = next + next + next;
    const std::tuple<const char*, std::string, ReadOutcome, HighScoreTables> cases[] = {
        {"comma-separated", "\"A,B\",\"5\",\"3\",\"4\",NEXT,NEXT,NEXT", Ok, tablesOf({{"A,B", "5", "3", "4"}})},
        {"leading blanks go", "  B ,  7,5\n 6\r\nNEXT\rNEXT\r\n  NEXT", Ok, tablesOf({{"B ", "7", "5", "6"}})},
        {"only the exact item NEXT ends a table",
         quotedLines({"next", "1", "2", "3", " NEXT", "4", "5", "6", "NEXT ", "7", "8", "9"}) + threeNext, Ok,
         tablesOf({{"next", "1", "2", "3"}, {" NEXT", "4", "5", "6"}, {"NEXT ", "7", "8", "9"}})},
        {"empty sections keep the placeholder", next + next + aRow + next, Ok, tablesOf({}, {}, {a})},
        {"an empty file", "", Ok, {}},
        {"cut off after a name", aRow + quotedLines({"b"}), Bad, tablesOf({a})},
        {"cut off inside a quote", aRow + "\"b", Bad, tablesOf({a})},
        {"an item after the third NEXT", aRow + threeNext + quotedLines({"x"}), Bad, tablesOf({a})},
        {"rows past the tenth are dropped", quotedLines(std::vector<std::string>(44, "7")) + threeNext, Ok,
         tablesOf(std::vector<ScoreRow>(10, a))},
        {"an item of 4 KiB", quotedLines({kib, "1", "2", "3"}) + threeNext, Ok, tablesOf({{kib, "1", "2", "3"}})},
        {"a quoted item over 4 KiB", quotedLines({kib + "x", "1", "2", "3"}) + threeNext, Bad, {}},
        // Rows of four empty items: well-formed, only too large for any real set of tables.
        {"a file over 1 MiB", std::string((1 << 20) + 4, ','), Bad, {}},
    };
    for (const auto& [why, bytes, outcome, expected] : cases) {
        HighScoreTables tables;
        EXPECT_EQ(HighScoresReader::read(bytes, tables), outcome) << why;
        EXPECT_TRUE(tables == expected) << why;
    }
}

TEST(HighScoresRoundTrip, TypedNamesAreMadeSafeAndReadBackUnchanged)
{
    const std::tuple<std::string, int, std::string> cases[] = {
        {"say \"hi\", Zo\xEB", 1000, "say 'hi', Zo\xEB (spd=0)"},  // bytes above 127 are letters, not controls
        {"two\r\nlines\tand\x01\x7F", 1000, "two  lines and   (spd=0)"},
        {std::string(100, 'n'), 250, std::string(64, 'n') + " (spd=+75%)"},  // the cap leaves the speed mark
        {"NEXT", 1, "NEXT "},  // with no speed mark it would end the table when read back
        {"next", 1750, "next (spd=-75%)"},
    };
    HighScoreTables tables, back;
    for (std::size_t i = 0; const auto& [typed, intervalMs, stored] : cases) {
        EXPECT_EQ(RankingTexts::storedName(typed, intervalMs), stored);
        tables[0].storeRow(i++, ScoreRow{stored, "3", "1", "2"});
    }
    ASSERT_EQ(HighScoresReader::read(HighScoresWriter::write(tables), back), ReadOutcome::Loaded);
    EXPECT_TRUE(back == tables);
}

TEST(ScoreKeeper, LoadOfAMissingOrDamagedFileShowsTheErrorAndLeavesThePanelAlone)
{
    for (const char* bytes : {static_cast<const char*>(nullptr), "a,5,1,2,b,4"}) {
        TempWorkingDir dir;
        if (bytes != nullptr) {
            writeFile("HighScores", bytes);
        }
        RecordsFakes seen;
        EXPECT_FALSE(ScoreKeeper({seen, seen, seen}).load());
        EXPECT_EQ(seen.messages.size(), 1U) << (bytes == nullptr ? "no file" : bytes);
        EXPECT_TRUE(seen.highest.empty());
    }
}

TEST_F(ScoreKeeperTest, SaveBlockedByADirectoryNamesTheFileAndWhyAndTheTablesGoOn)
{
    std::filesystem::create_directory("HighScores");
    keeper.processScore(quarrix::FinishedGame{50, 2, 3, 1000});
    ASSERT_EQ(fakes.messages.size(), 1U);
    const auto where = "'" + dir.path().string() + "/HighScores' (cannot replace the old file: Is a directory)";
    EXPECT_NE(fakes.messages[0].find(where), std::string::npos) << fakes.messages[0];
    EXPECT_EQ(fakes.highest, (std::vector<std::string>{"50", "2", "3"}));
    // Only the directory is left: the new file written beside it is removed.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

// A crash mid-save must leave a whole file: the new file is written beside the old one and renamed over it.
TEST_F(ScoreKeeperTest, EveryGameSavesEvenWithoutAnEntryAndReplacesTheFileInOneStep)
{
    const std::vector<ScoreRow> full(10, ScoreRow{"p", "9", "9", "9"});
    const std::string old = HighScoresWriter::write(tablesOf(full, full, full));
    writeFile("HighScores", old);
    ASSERT_TRUE(keeper.load());
    if (::fork() == 0) {
        // Files may grow to 100 bytes: SIGXFSZ kills the process while it writes the new file.
        const rlimit noCore{0, 0}, small{100, 100};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        keeper.save();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_GT(::wait(&status), 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the save was not interrupted";
    EXPECT_EQ(readFile("HighScores"), old);

    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(::inotify_add_watch(watch, ".", IN_DELETE | IN_MOVED_TO), 0);
    keeper.processScore(quarrix::FinishedGame{1, 1, 1, 1000});
    std::string seen;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t at = 0, n = ::read(watch, buffer, sizeof buffer); at < n;) {  // one read holds them all
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (std::string_view(event->name) == "HighScores") {  // the lock beside it comes and goes
            seen += (event->mask & IN_DELETE) != 0 ? "removed;" : "moved to;";
        }
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
    ::close(watch);
    EXPECT_EQ(seen, "moved to;");
}
