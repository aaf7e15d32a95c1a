#pragma once

#include <string>

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

}  // namespace quarrix::records
