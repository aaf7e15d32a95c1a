#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quarrix::records {

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates, nothing past U+10FFFF.
class Utf8Text {
public:
    // The character at `pos`, moving `pos` past it; nothing (and `pos` unmoved) for an ill-formed
    // sequence.
    static std::optional<char32_t> next(std::string_view text, std::size_t& pos);
    // Whether the bytes are well-formed UTF-8 holding at least one character above U+007F.
    static bool isMultiByte(std::string_view bytes);
    // Appends a character below U+10000, which holds every character of the old code page.
    static void append(std::string& text, char32_t character);
    // The bytes of the first `characters` characters, so that a cut never splits one.
    static std::size_t prefixBytes(std::string_view text, std::size_t characters);
};

}  // namespace quarrix::records
