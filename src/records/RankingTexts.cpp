#include "RankingTexts.h"

#include "HighScoreTables.h"
#include "HighScoresReader.h"
#include "StoredText.h"
#include "game/SpeedSetting.h"

#include <array>

namespace quarrix::records {

namespace {
struct PromptTexts {
    std::string_view header;
    std::string_view tableText;
};

// Indexed [table][full]; the wording is the game's own, typos included.
constexpr std::array<std::array<PromptTexts, 2>, TableCount> Prompts{{
    {{{"You are worth...", "Position on the Highest Scores Table!"},
      {"You are worthy...", "Position on the Highest Scores Table!"}}},
    {{{"You are worthy...", "Position on the Highest Combos Table!"},
      {"You are worthy...", "Position on the Highest Combo Table!"}}},
    {{{"You are worthy...", "Position on the Highest Chains Table!"},
      {"You are worthy...", "Position on the Highest Chians Table!"}}},
}};
}  // namespace

std::string RankingTexts::namePrompt(int table, int position, bool tableFull)
{
    const PromptTexts& texts = Prompts.at(static_cast<std::size_t>(table)).at(tableFull ? 1 : 0);
    std::string prompt(texts.header);
    prompt += "\n...and have aquired the Number ";
    prompt += std::to_string(position);
    prompt += texts.tableText;
    prompt += "\nPlease Enter Your Name: ";
    return prompt;
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

}  // namespace quarrix::records
