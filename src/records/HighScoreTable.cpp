#include "HighScoreTable.h"

#include <stdexcept>
#include <utility>

namespace quarrix::records {

void HighScoreTable::reset()
{
    rows_.assign(1, ScoreRow{PlaceholderName, "0", "0", "0"});
}

bool HighScoreTable::storeRow(std::size_t index, ScoreRow row)
{
    if (index < rows_.size()) {
        rows_[index] = std::move(row);
        return true;
    }
    if (rows_.size() >= Capacity) {
        return false;
    }
    rows_.push_back(std::move(row));
    return true;
}

void HighScoreTable::insert(std::size_t index, ScoreRow row)
{
    if (index >= Capacity || index > rows_.size()) {
        throw std::out_of_range("HighScoreTable::insert: no such position");
    }
    if (full()) {
        rows_.pop_back();
    }
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), std::move(row));
}

}  // namespace quarrix::records
