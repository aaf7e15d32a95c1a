#pragma once

#include "HighScoreTable.h"

#include <array>
#include <string>

namespace quarrix::records {

// The three tables in their fixed order, which is also the order of the tabs, of the file's
// sections and of the ranking steps.
enum TableId : int { ScoresTable = 0, CombosTable = 1, ChainsTable = 2 };
inline constexpr int TableCount = 3;

using HighScoreTables = std::array<HighScoreTable, TableCount>;

// The column a table is ranked by: Score, Combo or Chain.
inline const std::string& keyText(const ScoreRow& row, int table)
{
    switch (table) {
    case ScoresTable: return row.score;
    case CombosTable: return row.combo;
    default: return row.chain;
    }
}

}  // namespace quarrix::records
