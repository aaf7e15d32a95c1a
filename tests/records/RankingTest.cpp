#include "RecordsFakes.h"
#include "records/Ranking.h"

#include <gtest/gtest.h>

using namespace quarrix::records;

TEST(TableRanker, RanksNumericallyWithTiesPlacedBelow)
{
    HighScoreTables tables;  // compared as text, "900" would beat "1000"; a file may hold fractions too
    for (std::size_t i = 0;
         const char* score : {"1000", "900", "500", "500", "12.5", "12.05", "-3", "-4", "-5", "-6"}) {
        tables[ScoresTable].storeRow(i++, ScoreRow{"r", score, "0", "-9"});
    }
    const std::pair<double, std::size_t> cases[] = {{1001, 0}, {1000, 1}, {950, 1}, {501, 2}, {500, 4},
                                                    {12.5, 5}, {12.1, 5}, {12, 6},  {0, 6},   {-6, 10}};
    for (const auto& [value, index] : cases)
        EXPECT_EQ(TableRanker::insertionIndex(tables[0], ScoresTable, value), index) << value;
    EXPECT_EQ(TableRanker::insertionIndex(tables[0], CombosTable, -5), 10U);  // every combo is 0, every chain -9
    EXPECT_EQ(TableRanker::insertionIndex(tables[0], ChainsTable, -5), 0U);
    quarrix::test::RecordsFakes prompt;
    EXPECT_EQ(TableRanker::rank(tables[0], ScoresTable, quarrix::FinishedGame{-6, 1, 1, 1000}, prompt), std::nullopt);
    for (const auto& [t, at] : {std::pair{ScoresTable, 2U}, {CombosTable, 1U}, {ChainsTable, 0U}}) {
        EXPECT_EQ(TableRanker::rank(tables[t], t, quarrix::FinishedGame{501, 0, 5, 1000}, prompt), at) << t;
    }
    ASSERT_EQ(std::pair(prompt.prompts.size(), tables[0].size()), (std::pair<std::size_t, std::size_t>(3, 10)));
    EXPECT_EQ(prompt.prompts[0], RankingTexts::namePrompt(ScoresTable, 3, true));  // the refused game was not asked
    EXPECT_EQ(tables[0].row(2), (ScoreRow{" (spd=0)", "501", "0", "5"}));
}
