#include "Ranking.h"

#include "HighScoresFile.h"
#include "game/SpeedSetting.h"

#include <array>

namespace quarrix::records {

namespace {
// Indexed [table][full]; the wording is the game's own, typos included, and %1 is the position.
// Each sentence is written out whole, as the translation tools read it.
constexpr std::array<std::array<const char*, 2>, TableCount> Prompts{{
    {{QT_TRANSLATE_NOOP("quarrix::records",
                        "You are worth...\n...and have aquired the Number %1Position on the Highest Scores "
                        "Table!\nPlease Enter Your Name: "),
      QT_TRANSLATE_NOOP("quarrix::records",
                        "You are worthy...\n...and have aquired the Number %1Position on the Highest Scores "
                        "Table!\nPlease Enter Your Name: ")}},
    {{QT_TRANSLATE_NOOP("quarrix::records",
                        "You are worthy...\n...and have aquired the Number %1Position on the Highest Combos "
                        "Table!\nPlease Enter Your Name: "),
      QT_TRANSLATE_NOOP("quarrix::records",
                        "You are worthy...\n...and have aquired the Number %1Position on the Highest Combo "
                        "Table!\nPlease Enter Your Name: ")}},
    {{QT_TRANSLATE_NOOP("quarrix::records",
                        "You are worthy...\n...and have aquired the Number %1Position on the Highest Chains "
                        "Table!\nPlease Enter Your Name: "),
      QT_TRANSLATE_NOOP("quarrix::records",
                        "You are worthy...\n...and have aquired the Number %1Position on the Highest Chians "
                        "Table!\nPlease Enter Your Name: ")}},
}};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

double numericValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    double sign = 1.0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    double whole = 0.0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        whole = whole * 10.0 + (text[i] - '0');
    }
    double fraction = 0.0;
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            fraction += (text[i] - '0') * scale;
            scale /= 10.0;
        }
    }
    return sign * (whole + fraction);
}

double keyValue(const ScoreRow& row, int tableId)
{
    return numericValue(row.*keyColumn(tableId).text);
}
}  // namespace

PlayerText RankingTexts::namePromptText(int table, int position, bool tableFull)
{
    const char* pattern = Prompts.at(static_cast<std::size_t>(table)).at(tableFull ? 1 : 0);
    return PlayerText(pattern, {PlayerText::of(std::to_string(position))});
}

std::string RankingTexts::namePrompt(int table, int position, bool tableFull)
{
    return namePromptText(table, position, tableFull).english();
}

std::string_view RankingTexts::speedSuffix(int intervalMs)
{
    for (const SpeedItem& item : SpeedSetting::Items) {
        if (item.intervalMs == intervalMs) {
            return item.suffix;
        }
    }
    return {};
}

std::string RankingTexts::storedName(std::string_view typed, int intervalMs)
{
    std::string name = StoredText::cleanName(typed);
    name += speedSuffix(intervalMs);
    // A bare "NEXT" would read back as the end of a table.
    if (name == HighScoresReader::Separator) {
        name += ' ';
    }
    return name;
}

std::size_t TableRanker::insertionIndex(const HighScoreTable& table, int tableId, double value)
{
    std::size_t index = table.size();
    while (index > 0 && keyValue(table.row(index - 1), tableId) < value) {
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
    const std::string typed = prompt.askName(RankingTexts::namePromptText(tableId, static_cast<int>(index) + 1, full));
    table.insert(index, ScoreRow{RankingTexts::storedName(typed, game.intervalMs), std::to_string(game.score),
                                 std::to_string(game.bestCombo), std::to_string(game.bestChain)});
    return index;
}

std::optional<std::size_t> TableRanker::place(HighScoreTable& table, int tableId, const ScoreRow& row)
{
    const std::size_t index = insertionIndex(table, tableId, keyValue(row, tableId));
    if (index >= HighScoreTable::Capacity) {
        return std::nullopt;
    }
    table.insert(index, row);
    return index;
}

}  // namespace quarrix::records
