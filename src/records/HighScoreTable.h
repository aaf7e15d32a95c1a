#pragma once

#include "ScoreRow.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quarrix::records {

// One table of 1 to 10 rows, position 1 (index 0) the best. It never holds fewer than one row:
// a table with nothing stored in it shows the placeholder row.
class HighScoreTable {
public:
    static constexpr std::size_t Capacity = 10;
    static constexpr const char* PlaceholderName = "Nobody (100%)";

    static ScoreRow placeholderRow();

    HighScoreTable();

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

}  // namespace quarrix::records
