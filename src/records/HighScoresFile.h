#pragma once

#include "HighScoreTable.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quarrix::records {

// The rules a text must follow to survive a trip through the HighScores file, which has no
// escapes: no double quote in any item, and a typed name free of line breaks and control bytes.
// Texts are UTF-8.
class StoredText {
public:
    static constexpr std::size_t MaxNameLength = 64;

    // Replaces double quotes by apostrophes.
    static std::string storable(std::string_view text);
    // A typed name made safe: quotes become apostrophes, line breaks and other control bytes
    // become blanks, and it is cut to MaxNameLength characters.
    static std::string cleanName(std::string_view typed);
};

enum class ReadOutcome { Loaded, Damaged };

// Reads the bytes of a HighScores file into the tables. Three sections, each a run of rows of
// four items (Name, Score, Combo, Chain) closed by the exact item "NEXT". Line ends (CR LF, LF or
// CR) and commas separate items; a quoted item runs to its closing quote, an unquoted one to the
// next comma or line end, leading blanks skipped. Rows are stored as soon as they are complete,
// so a damaged file keeps the rows read before the damage.
class HighScoresReader {
public:
    // Far beyond the 123 short lines a real table file has.
    static constexpr std::size_t MaxFileBytes = std::size_t{1} << 20;
    // Longer than any table could have written: the file is damaged.
    static constexpr std::size_t MaxItemBytes = 4096;
    static constexpr std::string_view Separator = "NEXT";

    static ReadOutcome read(std::string_view bytes, HighScoreTables& tables);
};

// The bytes of a HighScores file: every item quoted on its own line ending in CR LF, the rows of
// each table from position 1 down, and "NEXT" after each table. No byte-order mark, no header;
// each item is encoded on its own (see ItemCodec).
class HighScoresWriter {
public:
    static std::string write(const HighScoreTables& tables);
};

}  // namespace quarrix::records
