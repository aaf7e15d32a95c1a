#pragma once

#include "HighScoreTables.h"

#include <string>

namespace quarrix::records {

// The bytes of a HighScores file: every item quoted on its own line ending in CR LF, the rows of
// each table from position 1 down, and "NEXT" after each table. No byte-order mark, no header;
// each item is encoded on its own (see ItemCodec).
class HighScoresWriter {
public:
    static std::string write(const HighScoreTables& tables);
};

}  // namespace quarrix::records
