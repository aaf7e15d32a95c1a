#pragma once

#include "HighScoreTables.h"

#include <cstddef>
#include <string_view>

namespace quarrix::records {

enum class ReadOutcome { Loaded, Damaged };

// Reads the bytes of a HighScores file into the tables. Three sections, each a run of rows of
// four items (Name, Score, Combo, Chain) closed by the exact item "NEXT". Rows are stored as
// soon as they are complete, so a damaged file keeps the rows read before the damage.
class HighScoresReader {
public:
    // Far beyond the 123 short lines a real table file has.
    static constexpr std::size_t MaxFileBytes = std::size_t{1} << 20;
    static constexpr std::string_view Separator = "NEXT";

    static ReadOutcome read(std::string_view bytes, HighScoreTables& tables);
};

}  // namespace quarrix::records
