#pragma once

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

}  // namespace quarrix::records
