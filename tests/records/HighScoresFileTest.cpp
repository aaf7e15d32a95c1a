#include "RecordsFakes.h"
#include "records/HighScoresFile.h"
#include "records/Ranking.h"
#include "records/ScoreKeeper.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

using namespace quarrix::records;
using namespace quarrix::test;

using Rows = std::vector<ScoreRow>;

static HighScoreTables tablesOf(const Rows& scores, const Rows& combos = {}, const Rows& chains = {})
{
    HighScoreTables tables;
    for (const auto& [t, rows] : {std::pair{0, &scores}, {1, &combos}, {2, &chains}})
        for (std::size_t i = 0; i < rows->size(); ++i)
            tables[t].storeRow(i, (*rows)[i]);
    return tables;
}

struct ScoreKeeperTest : ::testing::Test {
    TempWorkingDir dir;
    RecordsFakes fakes;
    ScoreKeeper keeper{{fakes, fakes, fakes}};
};

TEST(HighScoresReader, ItemRulesAndDamage)
{
    constexpr ReadOutcome Ok = ReadOutcome::Loaded, Bad = ReadOutcome::Damaged;
    const ScoreRow a{"7", "7", "7", "7"};
    const std::string kb(4096, 'x'), ends = quotedLines({"NEXT", "NEXT", "NEXT"});
    const std::tuple<const char*, std::string, ReadOutcome, HighScoreTables> cases[] = {
        {"comma-separated", "\"A,B\",\"5\",\"3\",\"4\",NEXT,NEXT,NEXT", Ok, tablesOf({{"A,B", "5", "3", "4"}})},
        {"leading blanks go", "  B ,  7,5\n 6\r\nNEXT\rNEXT\r\n  NEXT", Ok, tablesOf({{"B ", "7", "5", "6"}})},
        {"only NEXT ends a table", quotedLines({"next", "1", "2", "3", " NEXT ", "4", "5", "6"}) + ends, Ok,
         tablesOf({{"next", "1", "2", "3"}, {" NEXT ", "4", "5", "6"}})},
        {"empty sections", quotedLines({"NEXT", "NEXT", "7", "7", "7", "7", "NEXT"}), Ok, tablesOf({}, {}, {a})},
        {"cut off after a name", quotedLines({"7", "7", "7", "7", "b"}), Bad, tablesOf({a})},
        {"after the third NEXT", quotedLines({"7", "7", "7", "7", "NEXT", "NEXT", "NEXT", "x"}), Bad, tablesOf({a})},
        {"past ten rows", quotedLines(std::vector<std::string>(44, "7")) + ends, Ok, tablesOf(Rows(10, a))},
        {"an item of 4 KiB", quotedLines({kb, "1", "2", "3"}) + ends, Ok, tablesOf({{kb, "1", "2", "3"}})},
        {"a quoted item over 4 KiB", quotedLines({kb + "x", "1", "2", "3"}) + ends, Bad, {}},
        {"a file over 1 MiB", std::string((1 << 20) + 4, ','), Bad, {}},  // of empty items: well-formed, only large
    };
    for (const auto& [why, bytes, outcome, expected] : cases) {
        SCOPED_TRACE(why);
        HighScoreTables tables;
        EXPECT_EQ(HighScoresReader::read(bytes, tables), outcome);
        EXPECT_EQ(tables, expected);
    }
}

// Typed names are cleaned and marked with the speed; each item is written in the old code page
// when it fits and would not read as UTF-8, else in UTF-8; everything reads back unchanged.
TEST(HighScoresRoundTrip, NamesAreStoredSafelyInEitherEncoding)
{
    const std::tuple<std::string, int, std::string> typed[] = {
        {"say \"hi\", Zo\u00eb", 1000, "say 'hi', Zo\u00eb (spd=0)"},  // bytes above 127 are letters, not controls
        {"two\r\nlines\tand\x01\x7F", 1000, "two  lines and   (spd=0)"},
        // the cap counts characters, never splits one, and leaves the speed mark
        {std::string(63, 'n') + "\u738b\u738b", 250, std::string(63, 'n') + "\u738b (spd=+75%)"},
        {"NEXT", 1, "NEXT "},  // with no speed mark it would end the table when read back
    };
    const std::pair<std::string, std::string> written[] = {
        // as typed, as written
        {"Zo\u00eb", "Zo\xEB"},
        {"\u20acuro \u201cZ\u201d \u2013", "\x80uro \x93Z\x94 \x96"},  // signs Latin-1 lacks
        {"JO\u00c3O", "JO\xC3O"},                                      // C3 then a letter is not UTF-8
        {"\u00c3\u00a9", "\xC3\x83\xC2\xA9"},  // written as C3 A9 it would read back as one letter
        {"\u738b\u5c0f\u660e", "\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E"},
        {"Ada \U0001F600", "Ada \xF0\x9F\x98\x80"},
        {"\u0081\u008d\u008f\u0090\u009d", "\x81\x8D\x8F\x90\x9D"},  // undefined in the code page
    };
    HighScoreTables tables, back;
    for (std::size_t i = 0; const auto& [name, intervalMs, stored] : typed) {
        EXPECT_EQ(RankingTexts::storedName(name, intervalMs), stored);
        tables[1].storeRow(i++, ScoreRow{stored, "3", "1", "2"});
    }
    for (std::size_t i = 0; const auto& [name, bytes] : written)
        tables[0].storeRow(i++, ScoreRow{name, "1", "2", "3"});
    const std::string file = HighScoresWriter::write(tables);
    for (const auto& [name, bytes] : written) {
        SCOPED_TRACE(name);
        EXPECT_NE(file.find("\"" + bytes + "\"\r\n\"1\""), std::string::npos);
    }
    EXPECT_EQ(HighScoresReader::read(file, back), ReadOutcome::Loaded);
    EXPECT_EQ(back, tables);
}

TEST_F(ScoreKeeperTest, AFolderInTheWayIsReportedWithItsPath)
{
    std::filesystem::create_directory("HighScores");
    EXPECT_FALSE(keeper.load());
    EXPECT_EQ(fakes.messages.size(), 1U);
    keeper.processScore(quarrix::FinishedGame{50, 2, 3, 1000});
    const auto where =
        "'" + dir.path.string() + "/HighScores' (cannot create the new file: Filename refers to a directory)";
    EXPECT_NE(fakes.messages.at(1).find(where), std::string::npos) << fakes.messages.back();
}

// A crash at any moment must leave a whole file: the new one is moved in over the old, never after
// removing it; the lock beside it is the only thing removed, by its holder, after the save, so a
// holder that never takes the lock, or never lets it go, shows here too.
TEST_F(ScoreKeeperTest, EveryGameSavesByReplacingTheWholeFile)
{
    writeFile("HighScores", quotedLines({"NEXT", "NEXT", "NEXT"}));
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(::inotify_add_watch(watch, ".", IN_DELETE), 0);
    keeper.processScore(quarrix::FinishedGame{1, 1, 1, 1000});
    std::string removed;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t at = 0, n = ::read(watch, buffer, sizeof buffer); at < n;) {  // one read holds them all
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        removed += std::string(event->name) + ";";
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
    ::close(watch);
    EXPECT_EQ(removed, "HighScores.lock;");
}

TEST(TableRanker, RanksNumericallyWithTiesPlacedBelow)
{
    HighScoreTables tables;  // compared as text, "900" would beat "1000"; a file may hold fractions too
    for (std::size_t i = 0; const char* score : {"1000", "900", "500", "500", "12.5", "12.05", "-3", "-4", "-5", "-6"})
        tables[ScoresTable].storeRow(i++, ScoreRow{"r", score, "0", "-9"});
    const std::pair<double, std::size_t> cases[] = {{1001, 0}, {1000, 1}, {950, 1}, {501, 2}, {500, 4},
                                                    {12.5, 5}, {12.1, 5}, {12, 6},  {0, 6},   {-6, 10}};
    for (const auto& [value, index] : cases)
        EXPECT_EQ(TableRanker::insertionIndex(tables[0], ScoresTable, value), index) << value;
    EXPECT_EQ(TableRanker::insertionIndex(tables[0], CombosTable, -5), 10U);  // every combo is 0, every chain -9
    EXPECT_EQ(TableRanker::insertionIndex(tables[0], ChainsTable, -5), 0U);
    RecordsFakes prompt;
    EXPECT_EQ(TableRanker::rank(tables[0], ScoresTable, quarrix::FinishedGame{-6, 1, 1, 1000}, prompt), std::nullopt);
    for (const auto& [t, at] : {std::pair{ScoresTable, 2U}, {CombosTable, 1U}, {ChainsTable, 0U}})
        EXPECT_EQ(TableRanker::rank(tables[t], t, quarrix::FinishedGame{501, 0, 5, 1000}, prompt), at) << t;
    ASSERT_EQ(std::pair(prompt.prompts.size(), tables[0].size()), (std::pair<std::size_t, std::size_t>(3, 10)));
    EXPECT_EQ(prompt.prompts[0], RankingTexts::namePrompt(ScoresTable, 3, true));  // the refused game was not asked
    EXPECT_EQ(tables[0].row(2), (ScoreRow{" (spd=0)", "501", "0", "5"}));
}
