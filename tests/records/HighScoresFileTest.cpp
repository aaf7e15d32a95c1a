#include "RecordsFakes.h"
#include "records/HighScoresReader.h"
#include "records/HighScoresWriter.h"
#include "records/ItemScanner.h"
#include "records/RankingTexts.h"
#include "records/ScoreKeeper.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <optional>
#include <tuple>

using namespace quarrix::records;
using namespace quarrix::test;
using quarrix::FinishedGame;

namespace {

// The three tables holding the given rows; a table given no rows keeps its placeholder row.
HighScoreTables tablesOf(const std::vector<ScoreRow>& scores, const std::vector<ScoreRow>& combos = {},
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

// The keeper in a directory of its own.
class ScoreKeeperTest : public ::testing::Test {
protected:
    TempWorkingDir dir;
    RecordsFakes fakes;
    ScoreKeeper keeper{{fakes, fakes, fakes}};
};

}  // namespace

TEST(HighScoresWriter, QuotesEveryItemOnACrLfLineWithNextAfterEachTable)
{
    // Compared whole, so a byte-order mark or anything else before the first quote fails too.
    EXPECT_EQ(HighScoresWriter::write(tablesOf({{"Ann", "30", "2", "5"}}, {}, {{"a,b", "1", "9", "8"}})),
              "\"Ann\"\r\n\"30\"\r\n\"2\"\r\n\"5\"\r\n\"NEXT\"\r\n"
              "\"Nobody (100%)\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"NEXT\"\r\n"
              "\"a,b\"\r\n\"1\"\r\n\"9\"\r\n\"8\"\r\n\"NEXT\"\r\n");
}

TEST(HighScoresReader, ItemRulesAndDamage)
{
    const ScoreRow a{"a", "9", "8", "7"};
    const std::string aRow = quotedLines({"a", "9", "8", "7"});
    const std::string threeNext = quotedLines({"NEXT", "NEXT", "NEXT"});
    const std::string longest(ItemScanner::MaxItemBytes, 'x');
    std::string tenRows;
    for (int k = 0; k < 10; ++k) {
        tenRows += aRow;
    }
    const std::tuple<const char*, std::string, ReadOutcome, HighScoreTables> cases[] = {
        {"commas separate items", "\"Ann, the first\",\"50\",\"3\",\"4\"\r\n\"NEXT\",\"NEXT\"\r\n\"NEXT\"\r\n",
         ReadOutcome::Loaded, tablesOf({{"Ann, the first", "50", "3", "4"}})},
        {"unquoted items skip leading blanks", "   Bob  ,  70,5\n 6\r\nNEXT\rNEXT\r\n  NEXT", ReadOutcome::Loaded,
         tablesOf({{"Bob  ", "70", "5", "6"}})},
        {"only the exact item NEXT ends a table",
         quotedLines({"next", "1", "2", "3", " NEXT", "4", "5", "6", "NEXT ", "7", "8", "9"}) + threeNext,
         ReadOutcome::Loaded, tablesOf({{"next", "1", "2", "3"}, {" NEXT", "4", "5", "6"}, {"NEXT ", "7", "8", "9"}})},
        {"empty sections keep the placeholder", quotedLines({"NEXT", "NEXT"}) + aRow + quotedLines({"NEXT"}),
         ReadOutcome::Loaded, tablesOf({}, {}, {a})},
        {"cut off after a name", aRow + quotedLines({"b"}), ReadOutcome::Damaged, tablesOf({a})},
        {"cut off inside a quote", aRow + "\"b", ReadOutcome::Damaged, tablesOf({a})},
        {"an item after the third NEXT", aRow + threeNext + quotedLines({"x"}), ReadOutcome::Damaged, tablesOf({a})},
        {"rows past the tenth are dropped, not moved to the next table",
         tenRows + quotedLines({"b", "1", "1", "1", "NEXT"}) + aRow + quotedLines({"NEXT", "NEXT"}),
         ReadOutcome::Loaded, tablesOf(std::vector<ScoreRow>(10, a), {a})},
        {"an item of 4 KiB", quotedLines({longest, "1", "2", "3"}) + threeNext, ReadOutcome::Loaded,
         tablesOf({{longest, "1", "2", "3"}})},
        {"a quoted item over 4 KiB", quotedLines({longest + "x", "1", "2", "3"}) + threeNext, ReadOutcome::Damaged, {}},
        // Rows of four empty items: well-formed, only too large for any real set of tables.
        {"a file over 1 MiB", std::string(HighScoresReader::MaxFileBytes + 4, ','), ReadOutcome::Damaged, {}},
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
        // typed, drop interval, stored
        {"say \"hi\", Zo\xEB", 1000, "say 'hi', Zo\xEB (spd=0)"},  // bytes above 127 are letters, not controls
        {"two\r\nlines\tand\x01\x7F", 1000, "two  lines and   (spd=0)"},
        {std::string(100, 'n'), 250, std::string(64, 'n') + " (spd=+75%)"},  // the cap leaves the speed mark
        {"NEXT", 1, "NEXT "},  // with no speed mark it would end the table when read back
        {"next", 1750, "next (spd=-75%)"},
    };
    HighScoreTables tables;
    std::size_t i = 0;
    for (const auto& [typed, intervalMs, stored] : cases) {
        EXPECT_EQ(RankingTexts::storedName(typed, intervalMs), stored);
        tables[i % 3].storeRow(i / 3, ScoreRow{stored, std::to_string(i), "1", "2"});
        ++i;
    }
    const std::string bytes = HighScoresWriter::write(tables);
    HighScoreTables back;
    ASSERT_EQ(HighScoresReader::read(bytes, back), ReadOutcome::Loaded);
    EXPECT_TRUE(back == tables);
}

TEST_F(ScoreKeeperTest, LoadShowsTheErrorOnFailureAndRefreshesThePanelOnlyOnSuccess)
{
    const std::tuple<const char*, std::optional<std::string>, bool, std::string> cases[] = {
        {"no file", std::nullopt, false, std::string(HighScoreTable::PlaceholderName)},
        {"empty file", "", true, std::string(HighScoreTable::PlaceholderName)},
        {"cut off inside a row", quotedLines({"a", "5", "1", "2", "b", "4"}), false, "a"},
    };
    for (const auto& [why, bytes, loads, firstName] : cases) {
        std::filesystem::remove("HighScores");
        if (bytes) {
            writeFile("HighScores", *bytes);
        }
        RecordsFakes seen;
        ScoreKeeper fresh({seen, seen, seen});
        EXPECT_EQ(fresh.load(), loads) << why;
        EXPECT_EQ(seen.messages.size(), loads ? 0U : 1U) << why;
        EXPECT_EQ(seen.refreshes, loads ? 1 : 0) << why;
        EXPECT_EQ(fresh.tables()[0].row(0).name, firstName) << why;
    }
}

TEST_F(ScoreKeeperTest, GameThatEntersNoTableStillRewritesTheFileAndRefreshesThePanel)
{
    std::string full;  // ten rows, unquoted and comma-separated, which the game never writes
    for (int k = 0; k < 10; ++k) {
        full += "p,9,9,9\n";
    }
    writeFile("HighScores", full + "NEXT\n" + full + "NEXT\n" + full + "NEXT\n");
    ASSERT_TRUE(keeper.load());
    const HighScoreTables loaded = keeper.tables();
    keeper.processScore(FinishedGame{1, 1, 1, 1000});
    EXPECT_TRUE(fakes.prompts.empty());
    EXPECT_EQ(readFile("HighScores"), HighScoresWriter::write(loaded));
    EXPECT_EQ(fakes.refreshes, 2);
}

TEST_F(ScoreKeeperTest, SaveBlockedByADirectoryNamesTheFileAndWhyAndTheTablesGoOn)
{
    std::filesystem::create_directory("HighScores");
    fakes.answers = {"Dee"};
    keeper.processScore(FinishedGame{50, 2, 3, 1000});
    ASSERT_EQ(fakes.messages.size(), 1U);
    EXPECT_NE(fakes.messages[0].find("'" + (dir.path() / "HighScores").string() + "'"), std::string::npos);
    EXPECT_NE(fakes.messages[0].find("Is a directory"), std::string::npos) << fakes.messages[0];
    EXPECT_EQ(keeper.tables()[0].row(0).name, "Dee (spd=0)");
    EXPECT_EQ(fakes.highest, (std::vector<std::string>{"50", "2", "3"}));
    // Only the directory is left: the new file written beside it is removed.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(ScoreKeeperTest, SaveKilledHalfwayLeavesTheOldFileWhole)
{
    const std::string old = HighScoresWriter::write(HighScoreTables{});  // 120 bytes
    writeFile("HighScores", old);
    ASSERT_TRUE(keeper.load());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Files may grow to 100 bytes: SIGXFSZ kills the process while it writes the new file.
        const rlimit noCore{0, 0}, small{100, 100};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        keeper.save();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the save was not interrupted";
    EXPECT_EQ(readFile("HighScores"), old);
}

// A crash at any moment of a save must leave a whole file: the new one takes the old one's
// place in one rename, and the old one is never removed first.
TEST_F(ScoreKeeperTest, SaveReplacesTheFileInOneStep)
{
    writeFile("HighScores", HighScoresWriter::write(HighScoreTables{}));
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, ".", IN_DELETE | IN_MOVED_TO), 0);
    ASSERT_TRUE(keeper.save());
    std::string seen;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n = 0; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            seen += std::string((event->mask & IN_DELETE) != 0 ? "removed " : "moved to ") + event->name + ";";
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    EXPECT_EQ(seen, "moved to HighScores;");
}
