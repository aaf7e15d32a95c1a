#pragma once

#include "HighScoreTable.h"
#include "NamePrompt.h"
#include "game/FinishedGame.h"

#include <cstddef>
#include <optional>

namespace quarrix::records {

// One ranking step: enters a finished game into one table when it earns a place there.
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
