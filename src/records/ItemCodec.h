#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarrix::records {

// Turns the bytes of one HighScores item into text (UTF-8) and back. The file has no header to
// say its encoding, so each item says its own: bytes that are well-formed UTF-8 with at least one
// character past ASCII are UTF-8, all others Windows-1252. A text is written in Windows-1252 when
// it can be and those bytes would not read as UTF-8, so an older file keeps its bytes; otherwise
// in UTF-8. Either way it reads back as the same text.
class ItemCodec {
public:
    static std::string decode(std::string_view bytes);
    static std::string encode(std::string_view text);
    // The bytes of the first `characters` characters of UTF-8 text, so that a cut never splits one.
    static std::size_t prefixBytes(std::string_view text, std::size_t characters);
};

}  // namespace quarrix::records
