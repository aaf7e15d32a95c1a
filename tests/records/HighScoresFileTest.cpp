#include "RecordsFakes.h"
#include "records/HighScoresReader.h"
#include "records/HighScoresWriter.h"
#include "records/ItemScanner.h"

#include <gtest/gtest.h>

using namespace quarrix::records;
using quarrix::test::quotedLines;

namespace {

HighScoreTable tableOf(const std::vector<ScoreRow>& rows)
{
    HighScoreTable table;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        table.storeRow(i, rows[i]);
    }
    return table;
}

ScoreRow row(const std::string& name, int score, int combo, int chain)
{
    return {name, std::to_string(score), std::to_string(combo), std::to_string(chain)};
}

std::vector<std::string> rowItems(const ScoreRow& r)
{
    return {r.name, r.score, r.combo, r.chain};
}

std::vector<ScoreRow> rowsOf(const HighScoreTable& table)
{
    return table.rows();
}

ReadOutcome readInto(const std::string& bytes, HighScoreTables& tables)
{
    return HighScoresReader::read(bytes, tables);
}

const ScoreRow Placeholder = HighScoreTable::placeholderRow();

}  // namespace

// ---- The writer, byte by byte ----

TEST(HighScoresWriter, PlaceholderTablesMakeFifteenQuotedCrLfLines)
{
    const std::string bytes = HighScoresWriter::write(HighScoreTables{});
    std::string section = quotedLines({HighScoreTable::PlaceholderName, "0", "0", "0", "NEXT"});
    EXPECT_EQ(bytes, section + section + section);
    EXPECT_EQ(std::string(HighScoreTable::PlaceholderName).substr(std::string(HighScoreTable::PlaceholderName).size() - 7),
              " (100%)");
}

TEST(HighScoresWriter, KnownLinesHaveTheirExactBytes)
{
    HighScoreTables tables;
    tables[0] = tableOf({row(" (spd=0)", 0, 0, 0)});
    const std::string bytes = HighScoresWriter::write(tables);
    // No byte-order mark, nothing before the first item.
    const std::string nameLine = "\x22\x20\x28\x73\x70\x64\x3D\x30\x29\x22\x0D\x0A";
    ASSERT_EQ(bytes.substr(0, 12), nameLine);
    EXPECT_EQ(bytes.substr(12, 5), std::string("\x22\x30\x22\x0D\x0A"));
    EXPECT_EQ(bytes.substr(27, 8), std::string("\x22\x4E\x45\x58\x54\x22\x0D\x0A"));
    // Ends with the CR LF of the third separator line.
    EXPECT_EQ(bytes.substr(bytes.size() - 8), "\"NEXT\"\r\n");
}

TEST(HighScoresWriter, WritesRowsInTableOrderNameScoreComboChain)
{
    HighScoreTables tables;
    tables[0] = tableOf({row("a", 30, 2, 5), row("b", 20, 1, 3)});
    tables[1] = tableOf({row("c", 10, 9, 4)});
    tables[2] = tableOf({row("d", 5, 1, 8), row("e", 40, 2, 7), row("f", 0, 0, 0)});
    std::vector<std::string> lines = {"a", "30", "2", "5", "b", "20", "1", "3", "NEXT", "c", "10", "9", "4", "NEXT",
                                      "d", "5",  "1", "8", "e", "40", "2", "7", "f",    "0", "0",  "0", "NEXT"};
    EXPECT_EQ(HighScoresWriter::write(tables), quotedLines(lines));
}

// ---- The reader's item rules ----

TEST(HighScoresReader, ReadsThirtyRowsInFileOrder)
{
    std::vector<std::string> items;
    for (int t = 0; t < 3; ++t) {
        for (int k = 0; k < 10; ++k) {
            // Deliberately not sorted: the reader keeps the file's order.
            const ScoreRow r = row("p" + std::to_string(t) + std::to_string(k), k * 7 % 10, t, k);
            const auto four = rowItems(r);
            items.insert(items.end(), four.begin(), four.end());
        }
        items.push_back("NEXT");
    }
    HighScoreTables tables;
    ASSERT_EQ(readInto(quotedLines(items), tables), ReadOutcome::Loaded);
    for (int t = 0; t < 3; ++t) {
        ASSERT_EQ(tables[t].size(), 10u);
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(tables[t].row(k), row("p" + std::to_string(t) + std::to_string(k), k * 7 % 10, t, k));
        }
    }
}

TEST(HighScoresReader, CommasSeparateItemsLikeLineEnds)
{
    HighScoreTables tables;
    const std::string bytes = "\"Ann, the first\",\"50\",\"3\",\"4\"\r\n\"NEXT\",\"NEXT\"\r\n\"NEXT\"\r\n";
    ASSERT_EQ(readInto(bytes, tables), ReadOutcome::Loaded);
    EXPECT_EQ(rowsOf(tables[0]), (std::vector<ScoreRow>{{"Ann, the first", "50", "3", "4"}}));
    EXPECT_EQ(rowsOf(tables[1]), std::vector<ScoreRow>{Placeholder});
    EXPECT_EQ(rowsOf(tables[2]), std::vector<ScoreRow>{Placeholder});
}

TEST(HighScoresReader, UnquotedItemsRunToCommaOrLineEndAfterLeadingBlanks)
{
    HighScoreTables tables;
    const std::string bytes = "   Bob  ,  70,5\n 6\r\nNEXT\rNEXT\r\n  NEXT";
    ASSERT_EQ(readInto(bytes, tables), ReadOutcome::Loaded);
    EXPECT_EQ(rowsOf(tables[0]), (std::vector<ScoreRow>{{"Bob  ", "70", "5", "6"}}));
}

TEST(HighScoresReader, BlanksAfterAClosingQuoteGoWithItsSeparator)
{
    HighScoreTables tables;
    ASSERT_EQ(readInto("\"x\"  ,\"1\" \r\n\"2\"\t\n\"3\"\r\n\"NEXT\"\"NEXT\"\"NEXT\"", tables), ReadOutcome::Loaded);
    EXPECT_EQ(tables[0].row(0), (ScoreRow{"x", "1", "2", "3"}));
}

TEST(HighScoresReader, OnlyTheExactItemNextSeparates)
{
    for (const std::string name : {"next", "Next", " NEXT", "NEXT ", "NEXT\t", "NEXTS"}) {
        SCOPED_TRACE("name <" + name + ">");
        HighScoreTables tables;
        ASSERT_EQ(readInto(quotedLines({name, "1", "2", "3", "NEXT", "NEXT", "NEXT"}), tables), ReadOutcome::Loaded);
        EXPECT_EQ(rowsOf(tables[0]), (std::vector<ScoreRow>{{name, "1", "2", "3"}}));
    }
}

TEST(HighScoresReader, NextInAFigureColumnIsJustText)
{
    HighScoreTables tables;
    ASSERT_EQ(readInto(quotedLines({"n", "NEXT", "NEXT", "NEXT", "NEXT", "NEXT", "NEXT"}), tables),
              ReadOutcome::Loaded);
    EXPECT_EQ(tables[0].row(0), (ScoreRow{"n", "NEXT", "NEXT", "NEXT"}));
}

TEST(HighScoresReader, EmptySectionsKeepThePlaceholderRow)
{
    HighScoreTables tables;
    ASSERT_EQ(readInto(quotedLines({"NEXT", "NEXT", "c", "1", "2", "3", "NEXT"}), tables), ReadOutcome::Loaded);
    EXPECT_EQ(rowsOf(tables[0]), std::vector<ScoreRow>{Placeholder});
    EXPECT_EQ(rowsOf(tables[1]), std::vector<ScoreRow>{Placeholder});
    EXPECT_EQ(rowsOf(tables[2]), (std::vector<ScoreRow>{{"c", "1", "2", "3"}}));
}

TEST(HighScoresReader, EmptyFileLoadsAndKeepsPlaceholders)
{
    HighScoreTables tables;
    EXPECT_EQ(readInto("", tables), ReadOutcome::Loaded);
    EXPECT_EQ(tables, HighScoreTables{});
}

TEST(HighScoresReader, FewerSectionsThanThreeStillLoad)
{
    HighScoreTables tables;
    EXPECT_EQ(readInto(quotedLines({"a", "1", "1", "1", "NEXT", "b", "2", "2", "2"}), tables), ReadOutcome::Loaded);
    EXPECT_EQ(tables[1].row(0).name, "b");
}

TEST(HighScoresReader, CutOffFileIsDamagedButKeepsCompletedRows)
{
    const std::string whole = quotedLines({"a", "9", "8", "7", "b", "6", "5", "4", "NEXT", "NEXT", "NEXT"});
    // Cut after the name of the second row, inside its score, and inside a quoted name.
    for (const std::string& cut :
         {quotedLines({"a", "9", "8", "7", "b"}), quotedLines({"a", "9", "8", "7", "b"}) + "\"6",
          quotedLines({"a", "9", "8", "7"}) + "\"b"}) {
        SCOPED_TRACE(cut);
        HighScoreTables tables;
        ASSERT_EQ(readInto(cut, tables), ReadOutcome::Damaged);
        EXPECT_EQ(rowsOf(tables[0]), (std::vector<ScoreRow>{{"a", "9", "8", "7"}}));
        EXPECT_EQ(tables[1], HighScoreTable{});
    }
    HighScoreTables tables;
    EXPECT_EQ(readInto(whole, tables), ReadOutcome::Loaded);
}

TEST(HighScoresReader, AnItemAfterTheThirdSeparatorIsDamage)
{
    for (const std::string& tail : {quotedLines({"x"}), quotedLines({"NEXT"}), std::string("\r\n"), std::string(" ")}) {
        SCOPED_TRACE(tail);
        HighScoreTables tables;
        EXPECT_EQ(readInto(quotedLines({"a", "1", "2", "3", "NEXT", "NEXT", "NEXT"}) + tail, tables),
                  ReadOutcome::Damaged);
        // Everything before the damage stays.
        EXPECT_EQ(tables[0].row(0).name, "a");
    }
}

TEST(HighScoresReader, MoreThanTenRowsKeepsTheFirstTen)
{
    std::vector<std::string> items;
    for (int k = 0; k < 14; ++k) {
        items.insert(items.end(), {"r" + std::to_string(k), std::to_string(100 - k), "0", "0"});
    }
    items.insert(items.end(), {"NEXT", "c", "1", "1", "1", "NEXT", "NEXT"});
    HighScoreTables tables;
    ASSERT_EQ(readInto(quotedLines(items), tables), ReadOutcome::Loaded);
    ASSERT_EQ(tables[0].size(), 10u);
    EXPECT_EQ(tables[0].row(9).name, "r9");
    // The extra rows do not spill into the next table.
    EXPECT_EQ(rowsOf(tables[1]), (std::vector<ScoreRow>{{"c", "1", "1", "1"}}));
}

TEST(HighScoresReader, OversizedItemsAndFilesAreDamage)
{
    const std::string longest(ItemScanner::MaxItemBytes, 'x');
    HighScoreTables tables;
    EXPECT_EQ(readInto(quotedLines({longest, "1", "2", "3", "NEXT", "NEXT", "NEXT"}), tables), ReadOutcome::Loaded);
    EXPECT_EQ(tables[0].row(0).name, longest);

    for (const std::string& bytes : {quotedLines({longest + "x", "1", "2", "3"}), longest + "x,1,2,3",
                                      "\"" + std::string(1 << 20, 'y')}) {
        HighScoreTables damaged;
        EXPECT_EQ(readInto(bytes, damaged), ReadOutcome::Damaged);
        EXPECT_EQ(damaged, HighScoreTables{});
    }

    // A well-formed file that is simply too large for any real table set.
    std::string huge = quotedLines({"a", "1", "2", "3"});
    while (huge.size() <= HighScoresReader::MaxFileBytes) {
        huge += huge;
    }
    HighScoreTables big;
    EXPECT_EQ(readInto(huge, big), ReadOutcome::Damaged);
    EXPECT_EQ(big, HighScoreTables{});
}

TEST(HighScoresReader, QuoteInsideAnUnquotedItemBecomesAnApostrophe)
{
    HighScoreTables tables;
    ASSERT_EQ(readInto("O\"Neil,1,2,3\r\nNEXT\r\nNEXT\r\nNEXT\r\n", tables), ReadOutcome::Loaded);
    EXPECT_EQ(tables[0].row(0).name, "O'Neil");
}

// ---- Round trips ----

TEST(HighScoresRoundTrip, OddNamesAndFiguresReadBackUnchanged)
{
    const std::vector<std::string> names = {
        "", " ", "  leading blanks", "trailing  ", "a, b, c", "next", " NEXT", "NEXT ", "Zo\xEB M\xFCller",
        std::string("nul\0byte", 8), "tab\there", "line\r\nbreak", "'single'", "(spd=0)", "x (spd=+75%)"};
    HighScoreTables tables;
    for (std::size_t i = 0; i < names.size(); ++i) {
        ScoreRow r{names[i], std::to_string(i * 10), "abc", "-3"};
        // Spread over all three tables, up to ten rows each.
        tables[i % 3].storeRow(i / 3, r);
    }
    const std::string bytes = HighScoresWriter::write(tables);
    HighScoreTables back;
    ASSERT_EQ(HighScoresReader::read(bytes, back), ReadOutcome::Loaded);
    EXPECT_EQ(back, tables);
    EXPECT_EQ(HighScoresWriter::write(back), bytes);
}

TEST(HighScoresRoundTrip, FullTablesReadBackUnchanged)
{
    HighScoreTables tables;
    for (int t = 0; t < 3; ++t) {
        for (int k = 0; k < 10; ++k) {
            tables[t].storeRow(k, row("player " + std::to_string(k) + " (spd=-50%)", 1000 - k, 10 - k, 20 - k));
        }
    }
    HighScoreTables back;
    ASSERT_EQ(HighScoresReader::read(HighScoresWriter::write(tables), back), ReadOutcome::Loaded);
    EXPECT_EQ(back, tables);
}
