#include "RecordsFakes.h"
#include "records/HighScoreTables.h"
#include "records/NumericText.h"
#include "records/RankingTexts.h"
#include "records/StoredText.h"
#include "records/TableRanker.h"

#include <gtest/gtest.h>

using namespace quarrix::records;
using quarrix::FinishedGame;
using quarrix::test::ScriptedPrompt;

namespace {

// A scores table whose Score column holds the given values, rows named after their position.
HighScoreTable scoresTable(const std::vector<int>& scores)
{
    HighScoreTable table;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        table.storeRow(i, ScoreRow{"row" + std::to_string(i + 1), std::to_string(scores[i]), "0", "0"});
    }
    return table;
}

std::vector<std::string> names(const HighScoreTable& table)
{
    std::vector<std::string> out;
    for (const ScoreRow& r : table.rows()) {
        out.push_back(r.name);
    }
    return out;
}

FinishedGame game(std::int64_t score, std::int64_t combo, std::int64_t chain, int interval = 1000)
{
    return FinishedGame{score, combo, chain, interval};
}

}  // namespace

TEST(TableRanker, InsertsBelowTiesAndAboveLowerRows)
{
    const HighScoreTable table = scoresTable({900, 800, 500, 500, 500, 100});
    EXPECT_EQ(TableRanker::insertionIndex(table, ScoresTable, 1000), 0u);
    EXPECT_EQ(TableRanker::insertionIndex(table, ScoresTable, 900), 1u);
    EXPECT_EQ(TableRanker::insertionIndex(table, ScoresTable, 501), 2u);
    // Rows 3, 4 and 5 hold the same value: the new row goes to position 6.
    EXPECT_EQ(TableRanker::insertionIndex(table, ScoresTable, 500), 5u);
    EXPECT_EQ(TableRanker::insertionIndex(table, ScoresTable, 100), 6u);
    EXPECT_EQ(TableRanker::insertionIndex(table, ScoresTable, 0), 6u);
}

TEST(TableRanker, ComparesTheKeyColumnByItsNumericValue)
{
    HighScoreTable combos;
    combos.storeRow(0, ScoreRow{"a", "0", "12", "0"});
    combos.storeRow(1, ScoreRow{"b", "0", "9", "0"});
    // "9" sorts after "12" as text but is smaller as a number.
    EXPECT_EQ(TableRanker::insertionIndex(combos, CombosTable, 10), 1u);
    HighScoreTable chains;
    chains.storeRow(0, ScoreRow{"a", "0", "0", "junk"});
    chains.storeRow(1, ScoreRow{"b", "0", "0", ""});
    EXPECT_EQ(TableRanker::insertionIndex(chains, ChainsTable, 0), 2u);
    EXPECT_EQ(TableRanker::insertionIndex(chains, ChainsTable, 1), 0u);
}

TEST(NumericText, TakesTheLeadingNumberAndCountsTheRestAsZero)
{
    EXPECT_EQ(NumericText::value("1234"), 1234);
    EXPECT_EQ(NumericText::value("  42abc"), 42);
    EXPECT_EQ(NumericText::value("-7"), -7);
    EXPECT_EQ(NumericText::value("+3"), 3);
    EXPECT_DOUBLE_EQ(NumericText::value("2.5x"), 2.5);
    EXPECT_EQ(NumericText::value(""), 0);
    EXPECT_EQ(NumericText::value("abc"), 0);
    EXPECT_EQ(NumericText::value("NEXT"), 0);
}

TEST(TableRanker, FullTableDropsItsTenthRowOrRefusesTheGame)
{
    const std::vector<int> values = {1000, 900, 800, 700, 650, 640, 630, 620, 600, 500};
    HighScoreTable table = scoresTable(values);
    ScriptedPrompt prompt;
    prompt.answers = {"Eve"};

    EXPECT_EQ(TableRanker::rank(table, ScoresTable, game(500, 1, 1), prompt), std::nullopt);
    EXPECT_TRUE(prompt.prompts.empty());
    EXPECT_EQ(table, scoresTable(values));

    EXPECT_EQ(TableRanker::rank(table, ScoresTable, game(501, 1, 1), prompt), 9u);
    ASSERT_EQ(table.size(), 10u);
    EXPECT_EQ(table.row(8).name, "row9");
    EXPECT_EQ(table.row(9), (ScoreRow{"Eve (spd=0)", "501", "1", "1"}));
    ASSERT_EQ(prompt.prompts.size(), 1u);
    EXPECT_EQ(prompt.prompts[0], "You are worthy...\n...and have aquired the Number 10Position on the Highest Scores "
                                 "Table!\nPlease Enter Your Name: ");
}

TEST(TableRanker, NewRowTakesAllThreeFiguresOfTheGame)
{
    HighScoreTable chains = scoresTable({5});
    ScriptedPrompt prompt;
    prompt.answers = {"Kim"};
    ASSERT_EQ(TableRanker::rank(chains, ChainsTable, game(1230, 4, 11, 500), prompt), 0u);
    EXPECT_EQ(chains.row(0), (ScoreRow{"Kim (spd=+50%)", "1230", "4", "11"}));
    EXPECT_EQ(chains.row(1).name, "row1");
}

TEST(TableRanker, FreshTablesTakeEveryGame)
{
    HighScoreTables tables;
    ScriptedPrompt prompt;
    const FinishedGame g = game(40, 0, 0);
    std::vector<std::size_t> positions;
    for (int t = 0; t < TableCount; ++t) {
        positions.push_back(*TableRanker::rank(tables[t], t, g, prompt));
    }
    // A score above 0 beats the placeholder; combo and chain 0 only tie it and go below.
    EXPECT_EQ(positions, (std::vector<std::size_t>{0, 1, 1}));
    EXPECT_EQ(prompt.prompts[0],
              "You are worth...\n...and have aquired the Number 1Position on the Highest Scores Table!\n"
              "Please Enter Your Name: ");
    EXPECT_EQ(names(tables[1]), (std::vector<std::string>{HighScoreTable::PlaceholderName, " (spd=0)"}));
}

TEST(RankingTexts, PromptsForEveryTableFullAndNotFull)
{
    struct Case {
        int table;
        bool full;
        const char* expected;
    };
    const Case cases[] = {
        {ScoresTable, false,
         "You are worth...\n...and have aquired the Number 3Position on the Highest Scores Table!\nPlease Enter Your "
         "Name: "},
        {ScoresTable, true,
         "You are worthy...\n...and have aquired the Number 3Position on the Highest Scores Table!\nPlease Enter Your "
         "Name: "},
        {CombosTable, false,
         "You are worthy...\n...and have aquired the Number 3Position on the Highest Combos Table!\nPlease Enter Your "
         "Name: "},
        {CombosTable, true,
         "You are worthy...\n...and have aquired the Number 3Position on the Highest Combo Table!\nPlease Enter Your "
         "Name: "},
        {ChainsTable, false,
         "You are worthy...\n...and have aquired the Number 3Position on the Highest Chains Table!\nPlease Enter Your "
         "Name: "},
        {ChainsTable, true,
         "You are worthy...\n...and have aquired the Number 3Position on the Highest Chians Table!\nPlease Enter Your "
         "Name: "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RankingTexts::namePrompt(c.table, 3, c.full), c.expected);
    }
    EXPECT_EQ(RankingTexts::namePrompt(CombosTable, 10, false).find("\r"), std::string::npos);
}

TEST(RankingTexts, SpeedSuffixForEveryInterval)
{
    const std::vector<std::pair<int, std::string>> marks = {
        {250, " (spd=+75%)"}, {500, " (spd=+50%)"},  {750, " (spd=+25%)"},  {1000, " (spd=0)"},
        {1250, " (spd=-25%)"}, {1500, " (spd=-50%)"}, {1750, " (spd=-75%)"}, {0, ""},
        {999, ""},             {2000, ""},            {-250, ""}};
    for (const auto& [interval, suffix] : marks) {
        SCOPED_TRACE(interval);
        EXPECT_EQ(RankingTexts::speedSuffix(interval), suffix);
        EXPECT_EQ(RankingTexts::storedName("Ann", interval), "Ann" + suffix);
    }
    // A cancelled prompt stores the suffix alone.
    EXPECT_EQ(RankingTexts::storedName("", 1000), " (spd=0)");
}

TEST(StoredText, TypedNamesAreMadeSafeForTheFile)
{
    EXPECT_EQ(StoredText::cleanName("say \"hi\""), "say 'hi'");
    EXPECT_EQ(StoredText::cleanName("two\r\nlines\tand\x01\x7F"), "two  lines and  ");
    // Bytes above 127 are letters of the code page, not control bytes.
    EXPECT_EQ(StoredText::cleanName("Zo\xEB"), "Zo\xEB");
    const std::string longName(100, 'n');
    EXPECT_EQ(StoredText::cleanName(longName), std::string(64, 'n'));
    // The cap applies to what was typed; the speed mark is always kept.
    EXPECT_EQ(RankingTexts::storedName(longName, 250), std::string(64, 'n') + " (spd=+75%)");
}

TEST(StoredText, ABareNextNameCannotEndATable)
{
    EXPECT_EQ(RankingTexts::storedName("NEXT", 1000), "NEXT (spd=0)");
    EXPECT_EQ(RankingTexts::storedName("NEXT", 1), "NEXT ");
}
