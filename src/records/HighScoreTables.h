#pragma once

#include "HighScoreTable.h"
#include "game/FinishedGame.h"

#include <array>
#include <cstdint>
#include <string>

namespace quarrix::records {

// The three tables in their fixed order, which is also the order of the tabs, of the file's
// sections and of the ranking steps.
enum TableId : int { ScoresTable = 0, CombosTable = 1, ChainsTable = 2 };
inline constexpr int TableCount = 3;

using HighScoreTables = std::array<HighScoreTable, TableCount>;

// The column a table is ranked by (Score, Combo or Chain), as a row stores it and as a finished
// game brings it.
struct KeyColumn {
    std::string ScoreRow::*text;
    std::int64_t FinishedGame::*figure;
};

inline KeyColumn keyColumn(int table)
{
    switch (table) {
    case ScoresTable: return {&ScoreRow::score, &FinishedGame::score};
    case CombosTable: return {&ScoreRow::combo, &FinishedGame::bestCombo};
    default: return {&ScoreRow::chain, &FinishedGame::bestChain};
    }
}

}  // namespace quarrix::records
