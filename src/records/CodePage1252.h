#pragma once

#include <optional>

namespace quarrix::records {

// Windows code page 1252, the one-byte text of the HighScores files written so far. Its five
// undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same number,
// so that every byte reads as a character and that character writes back as the same byte.
class CodePage1252 {
public:
    static char32_t toUnicode(unsigned char byte);
    static std::optional<unsigned char> fromUnicode(char32_t character);
};

}  // namespace quarrix::records
