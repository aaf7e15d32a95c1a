#include "CodePage1252.h"

#include <array>

namespace quarrix::records {

namespace {
constexpr unsigned char FirstSpecial = 0x80;

// 0x80 to 0x9F, where the code page differs from Latin-1.
constexpr std::array<char32_t, 32> Specials{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

bool isSpecial(char32_t value)
{
    return value >= FirstSpecial && value < FirstSpecial + Specials.size();
}
}  // namespace

char32_t CodePage1252::toUnicode(unsigned char byte)
{
    return isSpecial(byte) ? Specials[byte - FirstSpecial] : byte;
}

std::optional<unsigned char> CodePage1252::fromUnicode(char32_t character)
{
    if (character <= 0xFF && !isSpecial(character)) {
        return static_cast<unsigned char>(character);
    }
    for (std::size_t i = 0; i < Specials.size(); ++i) {
        if (Specials[i] == character) {
            return static_cast<unsigned char>(FirstSpecial + i);
        }
    }
    return std::nullopt;
}

}  // namespace quarrix::records
