#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarrix::records {

// Splits the bytes of the HighScores file into items. Line ends (CR LF, LF or CR) and commas
// separate items. A quoted item is the text up to its closing quote, and the separator after it
// goes with it; an unquoted item runs to the next comma or line end, leading blanks skipped.
class ItemScanner {
public:
    static constexpr std::size_t MaxItemBytes = 4096;

    enum class Result { Item, End, Damaged };

    explicit ItemScanner(std::string_view bytes) : bytes_(bytes) {}

    // Reads the next item as text (see ItemCodec). End when no byte is left; Damaged for a quote
    // that never closes (a cut-off file) or an item longer than any table could have written.
    Result next(std::string& item);

private:
    Result quoted(std::string& item);
    Result unquoted(std::string& item);
    void skipBlanks();
    void skipSeparator();

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace quarrix::records
