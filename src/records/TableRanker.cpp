#include "TableRanker.h"

#include "HighScoreTables.h"
#include "NumericText.h"
#include "RankingTexts.h"

#include <string>

namespace quarrix::records {

namespace {
const std::string& keyText(const ScoreRow& row, int tableId)
{
    return row.*keyColumn(tableId).text;
}
}  // namespace

std::size_t TableRanker::insertionIndex(const HighScoreTable& table, int tableId, double value)
{
    std::size_t index = table.size();
    while (index > 0 && NumericText::value(keyText(table.row(index - 1), tableId)) < value) {
        --index;
    }
    return index;
}

std::optional<std::size_t> TableRanker::rank(HighScoreTable& table, int tableId, const FinishedGame& game,
                                             NamePrompt& prompt)
{
    const std::size_t index = insertionIndex(table, tableId, static_cast<double>(game.*keyColumn(tableId).figure));
    if (index >= HighScoreTable::Capacity) {
        return std::nullopt;
    }
    const bool full = table.full();
    const std::string typed = prompt.askName(RankingTexts::namePrompt(tableId, static_cast<int>(index) + 1, full));
    table.insert(index, ScoreRow{RankingTexts::storedName(typed, game.intervalMs), std::to_string(game.score),
                                 std::to_string(game.bestCombo), std::to_string(game.bestChain)});
    return index;
}

std::optional<std::size_t> TableRanker::place(HighScoreTable& table, int tableId, const ScoreRow& row)
{
    const std::size_t index = insertionIndex(table, tableId, NumericText::value(keyText(row, tableId)));
    if (index >= HighScoreTable::Capacity) {
        return std::nullopt;
    }
    table.insert(index, row);
    return index;
}

}  // namespace quarrix::records
