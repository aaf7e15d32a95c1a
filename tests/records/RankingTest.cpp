#include "RecordsFakes.h"
#include "records/HighScoreTables.h"
#include "records/RankingTexts.h"
#include "records/TableRanker.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace quarrix::records;
using quarrix::FinishedGame;
using quarrix::test::ScriptedPrompt;

namespace {

HighScoreTable scoresTable(const std::vector<int>& scores)
{
    HighScoreTable table;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        table.storeRow(i, ScoreRow{"row" + std::to_string(i + 1), std::to_string(scores[i]), "0", "0"});
    }
    return table;
}

}  // namespace

TEST(TableRanker, NewRowGoesBelowTiesAndAboveLowerRowsByNumericValue)
{
    // Keys of different lengths: compared as text, "900" would beat "1000".
    const HighScoreTable table = scoresTable({1000, 900, 500, 500, 500, 90});
    const std::pair<double, std::size_t> cases[] = {{1001, 0}, {1000, 1}, {950, 1}, {501, 2},
                                                    {500, 5},  {91, 5},   {90, 6},  {0, 6}};
    for (const auto& [value, index] : cases) {
        EXPECT_EQ(TableRanker::insertionIndex(table, ScoresTable, value), index) << value;
    }
    // Each table is ranked by its own column.
    HighScoreTable one;
    one.storeRow(0, ScoreRow{"a", "1", "2", "3"});
    EXPECT_EQ(TableRanker::insertionIndex(one, ScoresTable, 1.5), 0u);
    EXPECT_EQ(TableRanker::insertionIndex(one, CombosTable, 2.5), 0u);
    EXPECT_EQ(TableRanker::insertionIndex(one, ChainsTable, 2.5), 1u);
}

TEST(TableRanker, FullTableRefusesATieWithItsTenthRowAndDropsItForABetterGame)
{
    const HighScoreTable before = scoresTable({1000, 900, 800, 700, 650, 640, 630, 620, 600, 500});
    HighScoreTable table = before;
    ScriptedPrompt prompt;
    prompt.answers = {"Eve"};

    EXPECT_EQ(TableRanker::rank(table, ScoresTable, FinishedGame{500, 1, 1, 1000}, prompt), std::nullopt);
    EXPECT_TRUE(table == before);

    // Only the game that enters is asked for a name.
    EXPECT_EQ(TableRanker::rank(table, ScoresTable, FinishedGame{501, 1, 1, 1000}, prompt), 9u);
    EXPECT_EQ(prompt.prompts,
              std::vector<std::string>{"You are worthy...\n...and have aquired the Number 10Position on "
                                       "the Highest Scores Table!\nPlease Enter Your Name: "});
    ASSERT_EQ(table.size(), 10u);
    EXPECT_EQ(table.row(8).name, "row9");
    EXPECT_EQ(table.row(9), (ScoreRow{"Eve (spd=0)", "501", "1", "1"}));
}

TEST(TableRanker, FreshTablesTakeEveryGame)
{
    HighScoreTables tables;
    ScriptedPrompt prompt;
    std::vector<std::size_t> positions;
    for (int t = 0; t < TableCount; ++t) {
        positions.push_back(*TableRanker::rank(tables[t], t, FinishedGame{40, 0, 0, 1000}, prompt));
    }
    // A score above 0 beats the placeholder; combo and chain 0 only tie it and go below.
    EXPECT_EQ(positions, (std::vector<std::size_t>{0, 1, 1}));
    EXPECT_EQ(prompt.prompts[0],
              "You are worth...\n...and have aquired the Number 1Position on the Highest Scores "
              "Table!\nPlease Enter Your Name: ");
    EXPECT_EQ(tables[1].row(1), (ScoreRow{" (spd=0)", "40", "0", "0"}));
}

TEST(RankingTexts, NamePromptsForEachTableFullAndNotFull)
{
    // The game's own wording, typos included.
    const std::tuple<int, bool, std::string, std::string> cases[] = {
        {ScoresTable, false, "You are worth...", "Scores"},  {ScoresTable, true, "You are worthy...", "Scores"},
        {CombosTable, false, "You are worthy...", "Combos"}, {CombosTable, true, "You are worthy...", "Combo"},
        {ChainsTable, false, "You are worthy...", "Chains"}, {ChainsTable, true, "You are worthy...", "Chians"},
    };
    for (const auto& [table, full, header, name] : cases) {
        const std::string line2 = "\n...and have aquired the Number 3Position on the Highest " + name + " Table!";
        EXPECT_EQ(RankingTexts::namePrompt(table, 3, full), header + line2 + "\nPlease Enter Your Name: ");
    }
}

TEST(RankingTexts, SpeedSuffixForEveryDropInterval)
{
    const std::pair<int, std::string_view> marks[] = {
        {250, " (spd=+75%)"},  {500, " (spd=+50%)"},  {750, " (spd=+25%)"},  {1000, " (spd=0)"},
        {1250, " (spd=-25%)"}, {1500, " (spd=-50%)"}, {1750, " (spd=-75%)"}, {999, ""}};
    for (const auto& [interval, suffix] : marks) {
        EXPECT_EQ(RankingTexts::speedSuffix(interval), suffix) << interval;
    }
}
