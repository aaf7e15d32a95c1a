#include "RecordsFakes.h"
#include "records/HighScoreTables.h"
#include "records/RankingTexts.h"
#include "records/TableRanker.h"

#include <gtest/gtest.h>

using namespace quarrix::records;

static HighScoreTable scoresTable(const std::vector<std::string>& scores)
{
    HighScoreTable table;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        table.storeRow(i, ScoreRow{"row" + std::to_string(i + 1), scores[i], "0", "-9"});
    }
    return table;
}

TEST(TableRanker, NewRowGoesBelowTiesAndAboveLowerRowsByNumericValueInItsOwnColumn)
{
    // Compared as text, "900" would beat "1000"; a file may hold fractions too.
    const HighScoreTable table = scoresTable({"1000", "900", "500", "500", "12.5", "12.05", "-3"});
    const std::pair<double, std::size_t> cases[] = {{1001, 0}, {1000, 1}, {950, 1}, {501, 2}, {500, 4},
                                                    {12.5, 5}, {12.1, 5}, {12, 6},  {0, 6},   {-4, 7}};
    for (const auto& [value, index] : cases) {
        EXPECT_EQ(TableRanker::insertionIndex(table, ScoresTable, value), index) << value;
    }
    EXPECT_EQ(TableRanker::insertionIndex(table, CombosTable, -5), 7U);  // every combo is 0, every chain -9
    EXPECT_EQ(TableRanker::insertionIndex(table, ChainsTable, -5), 0U);
}

TEST(TableRanker, EachTableTakesTheGameByItsOwnFigureAndAFullOneRefusesATieWithItsTenthRow)
{
    HighScoreTables tables;
    tables[ScoresTable] = scoresTable({"1000", "900", "800", "700", "650", "640", "630", "620", "600", "500"});
    quarrix::test::RecordsFakes prompt;
    prompt.answers = {"Eve"};
    EXPECT_EQ(TableRanker::rank(tables[0], ScoresTable, quarrix::FinishedGame{500, 1, 1, 1000}, prompt), std::nullopt);
    // A figure above 0 beats the placeholder; 0 only ties it and goes below.
    for (const auto& [t, at] : {std::pair{ScoresTable, 9U}, {CombosTable, 1U}, {ChainsTable, 0U}}) {
        EXPECT_EQ(TableRanker::rank(tables[t], t, quarrix::FinishedGame{501, 0, 5, 1000}, prompt), at) << t;
    }
    ASSERT_EQ(prompt.prompts.size(), 3U);  // the refused game is not asked for a name
    EXPECT_EQ(prompt.prompts[0], RankingTexts::namePrompt(ScoresTable, 10, true));
    ASSERT_EQ(tables[0].size(), 10U);
    EXPECT_EQ(tables[0].row(8).name, "row9");
    EXPECT_EQ(tables[0].row(9), (ScoreRow{"Eve (spd=0)", "501", "0", "5"}));
}

TEST(RankingTexts, NamePromptsForEachTableFullAndNotFullAndTheSpeedSuffixes)
{
    // The game's own wording, typos included.
    const std::tuple<int, bool, std::string, std::string> cases[] = {
        {ScoresTable, false, "You are worth...", "Scores"},  {ScoresTable, true, "You are worthy...", "Scores"},
        {CombosTable, false, "You are worthy...", "Combos"}, {CombosTable, true, "You are worthy...", "Combo"},
        {ChainsTable, false, "You are worthy...", "Chains"}, {ChainsTable, true, "You are worthy...", "Chians"},
    };
    for (const auto& [table, full, header, name] : cases) {
        EXPECT_EQ(RankingTexts::namePrompt(table, 3, full),
                  header + "\n...and have aquired the Number 3Position on the Highest " + name +
                      " Table!\nPlease Enter Your Name: ");
    }
    std::string suffixes;
    for (const int interval : {250, 500, 750, 1000, 1250, 1500, 1750, 999}) {
        suffixes += RankingTexts::speedSuffix(interval);
    }
    EXPECT_EQ(suffixes, " (spd=+75%) (spd=+50%) (spd=+25%) (spd=0) (spd=-25%) (spd=-50%) (spd=-75%)");
}
