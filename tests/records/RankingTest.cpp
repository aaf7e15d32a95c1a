#include "RecordsFakes.h"
#include "records/HighScoreTables.h"
#include "records/RankingTexts.h"
#include "records/TableRanker.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace quarrix::records;
using quarrix::FinishedGame;

namespace {

HighScoreTable scoresTable(const std::vector<std::string>& scores)
{
    HighScoreTable table;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        table.storeRow(i, ScoreRow{"row" + std::to_string(i + 1), scores[i], "0", "0"});
    }
    return table;
}

}  // namespace

TEST(TableRanker, NewRowGoesBelowTiesAndAboveLowerRowsByNumericValue)
{
    // Compared as text, "900" would beat "1000"; a file may hold fractions too.
    const HighScoreTable table = scoresTable({"1000", "900", "500", "500", "12.5", "12.05", "-3"});
    const std::pair<double, std::size_t> cases[] = {{1001, 0}, {1000, 1}, {950, 1}, {501, 2}, {500, 4},
                                                    {12.5, 5}, {12.1, 5}, {12, 6},  {0, 6},   {-4, 7}};
    for (const auto& [value, index] : cases) {
        EXPECT_EQ(TableRanker::insertionIndex(table, ScoresTable, value), index) << value;
    }
    // Each table is ranked by its own column.
    HighScoreTable one;
    one.storeRow(0, ScoreRow{"a", "1", "2", "3"});
    EXPECT_EQ(TableRanker::insertionIndex(one, CombosTable, 2.5), 0U);
    EXPECT_EQ(TableRanker::insertionIndex(one, ChainsTable, 2.5), 1U);
}

TEST(TableRanker, FullTableRefusesATieWithItsTenthRowAndDropsItForABetterGame)
{
    const HighScoreTable before = scoresTable({"1000", "900", "800", "700", "650", "640", "630", "620", "600", "500"});
    HighScoreTable table = before;
    quarrix::test::RecordsFakes prompt;
    prompt.answers = {"Eve"};
    EXPECT_EQ(TableRanker::rank(table, ScoresTable, FinishedGame{500, 1, 1, 1000}, prompt), std::nullopt);
    EXPECT_TRUE(table == before);
    // Only the game that enters is asked for a name.
    EXPECT_EQ(TableRanker::rank(table, ScoresTable, FinishedGame{501, 1, 1, 1000}, prompt), 9U);
    EXPECT_EQ(prompt.prompts, std::vector<std::string>{"You are worthy...\n...and have aquired the Number 10Position "
                                                       "on the Highest Scores Table!\nPlease Enter Your Name: "});
    ASSERT_EQ(table.size(), 10U);
    EXPECT_EQ(table.row(8).name, "row9");
    EXPECT_EQ(table.row(9), (ScoreRow{"Eve (spd=0)", "501", "1", "1"}));
}

TEST(TableRanker, FreshTablesTakeEveryGameEachByItsOwnFigure)
{
    HighScoreTables tables;
    quarrix::test::RecordsFakes prompt;
    std::vector<std::size_t> positions;
    for (int t = 0; t < TableCount; ++t) {
        positions.push_back(*TableRanker::rank(tables[t], t, FinishedGame{40, 0, 5, 1000}, prompt));
    }
    // A figure above 0 beats the placeholder; 0 only ties it and goes below.
    EXPECT_EQ(positions, (std::vector<std::size_t>{0, 1, 0}));
    EXPECT_EQ(tables[1].row(1), (ScoreRow{" (spd=0)", "40", "0", "5"}));
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
