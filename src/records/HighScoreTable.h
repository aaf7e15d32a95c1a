#pragma once

#include "game/GameServices.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quarrix::records {

// One row of a high-score table. All four columns are kept as the texts they were stored with;
// a figure is only turned into a number when the ranking compares it.
struct ScoreRow {
    std::string name;
    std::string score;
    std::string combo;
    std::string chain;

    bool operator==(const ScoreRow&) const = default;
};

// One table of 1 to 10 rows, position 1 (index 0) the best. It never holds fewer than one row:
// a table with nothing stored in it shows the placeholder row.
class HighScoreTable {
public:
    static constexpr std::size_t Capacity = 10;
    static constexpr const char* PlaceholderName = "Nobody (100%)";

    HighScoreTable() { reset(); }

    std::size_t size() const { return rows_.size(); }
    bool full() const { return rows_.size() >= Capacity; }
    const ScoreRow& row(std::size_t index) const { return rows_.at(index); }
    const std::vector<ScoreRow>& rows() const { return rows_; }

    // Back to the single placeholder row.
    void reset();
    // Stores a row read from the file: replaces the row at `index` if there is one, else appends it.
    // Rows beyond the capacity are dropped; returns whether the row was kept.
    bool storeRow(std::size_t index, ScoreRow row);
    // Inserts a ranked row at `index` (0 to 9), dropping the tenth row first when the table is full.
    void insert(std::size_t index, ScoreRow row);

    bool operator==(const HighScoreTable&) const = default;

private:
    std::vector<ScoreRow> rows_;
};

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
