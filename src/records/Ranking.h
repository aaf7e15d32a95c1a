#pragma once

#include "HighScoreTable.h"
#include "PlayerText.h"
#include "game/GameServices.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quarrix::records {

// Asks the player for a name; an empty text when cancelled. Texts are UTF-8.
class NamePrompt {
public:
    virtual ~NamePrompt() = default;
    virtual std::string askName(const PlayerText& prompt) = 0;
};

// The texts of the ranking: the name prompt and the speed mark appended to every name.
class RankingTexts {
public:
    // Three lines joined by a line feed: the header, "...and have aquired the Number " with the
    // position (1 to 10) and the table's text, and "Please Enter Your Name: ".
    static PlayerText namePromptText(int table, int position, bool tableFull);
    // The same in English.
    static std::string namePrompt(int table, int position, bool tableFull);
    // " (spd=0)" and the like for the seven drop intervals; empty for any other interval.
    static std::string_view speedSuffix(int intervalMs);
    // The name stored for what the player typed at the given speed.
    static std::string storedName(std::string_view typed, int intervalMs);
};

// One ranking step: enters a finished game into one table when it earns a place there. Figures
// are compared by the value of their leading numeric text (blanks, a sign, digits and a decimal
// fraction); empty or non-numeric text counts as 0.
class TableRanker {
public:
    // Where a row with key value `value` goes: below the lowest row whose key is at least
    // `value`, so ties keep the older rows ahead. 10 or more means no place.
    static std::size_t insertionIndex(const HighScoreTable& table, int tableId, double value);
    // Ranks `game` in table `tableId`, asking for a name if it enters. Returns the index the new
    // row went to, or nothing when the game did not enter.
    static std::optional<std::size_t> rank(HighScoreTable& table, int tableId, const FinishedGame& game,
                                           NamePrompt& prompt);
    // Puts a row that was ranked before into its place again, as in tables read anew from the
    // file. Returns its index, or nothing when it no longer earns a place.
    static std::optional<std::size_t> place(HighScoreTable& table, int tableId, const ScoreRow& row);
};

}  // namespace quarrix::records
