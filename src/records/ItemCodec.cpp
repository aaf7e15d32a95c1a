#include "ItemCodec.h"

#include <array>
#include <optional>

namespace quarrix::records {

namespace {
// Windows code page 1252, the one-byte text of the HighScores files written so far. Its five
// undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same number,
// so that every byte reads as a character and that character writes back as the same byte.
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

char32_t fromCodePage(unsigned char byte)
{
    return isSpecial(byte) ? Specials[byte - FirstSpecial] : byte;
}

std::optional<unsigned char> toCodePage(char32_t character)
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

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates, nothing past U+10FFFF.
struct LeadByte {
    std::size_t length;
    char32_t bits;
    char32_t smallest;  // anything below has a shorter form
};

std::optional<LeadByte> leadOf(unsigned char byte)
{
    if (byte >= 0xC2 && byte <= 0xDF) {
        return LeadByte{2, byte & 0x1FU, 0x80};
    }
    if (byte >= 0xE0 && byte <= 0xEF) {
        return LeadByte{3, byte & 0x0FU, 0x800};
    }
    if (byte >= 0xF0 && byte <= 0xF4) {
        return LeadByte{4, byte & 0x07U, 0x10000};
    }
    return std::nullopt;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
}

// The character at `pos`, moving `pos` past it; nothing (and `pos` unmoved) for an ill-formed sequence.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& pos)
{
    const auto first = static_cast<unsigned char>(text.at(pos));
    if (first < 0x80) {
        ++pos;
        return first;
    }
    const std::optional<LeadByte> lead = leadOf(first);
    if (!lead || text.size() - pos < lead->length) {
        return std::nullopt;
    }
    char32_t character = lead->bits;
    for (std::size_t i = 1; i < lead->length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte)) {
            return std::nullopt;
        }
        character = (character << 6U) | (byte & 0x3FU);
    }
    if (character < lead->smallest || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += lead->length;
    return character;
}

// Whether the bytes are well-formed UTF-8 holding at least one character above U+007F.
bool isMultiByte(std::string_view bytes)
{
    bool multiByte = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::optional<char32_t> character = nextCharacter(bytes, pos);
        if (!character) {
            return false;
        }
        multiByte = multiByte || *character > 0x7F;
    }
    return multiByte;
}

// Appends a character below U+10000, which holds every character of the old code page.
void append(std::string& text, char32_t character)
{
    const auto put = [&text](char32_t byte) { text += static_cast<char>(byte); };
    if (character < 0x80) {
        put(character);
    } else if (character < 0x800) {
        put(0xC0U | (character >> 6U));
        put(0x80U | (character & 0x3FU));
    } else {
        put(0xE0U | (character >> 12U));
        put(0x80U | ((character >> 6U) & 0x3FU));
        put(0x80U | (character & 0x3FU));
    }
}
}  // namespace

std::string ItemCodec::decode(std::string_view bytes)
{
    if (isMultiByte(bytes)) {
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        append(text, fromCodePage(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string ItemCodec::encode(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> character = nextCharacter(text, pos);
        // Text that is not UTF-8 never comes from the reader or a prompt: it is kept as it is.
        const std::optional<unsigned char> byte = character ? toCodePage(*character) : std::nullopt;
        if (!byte) {
            return std::string(text);
        }
        bytes += static_cast<char>(*byte);
    }
    return isMultiByte(bytes) ? std::string(text) : bytes;
}

std::size_t ItemCodec::prefixBytes(std::string_view text, std::size_t characters)
{
    std::size_t pos = 0;
    for (std::size_t counted = 0; pos < text.size(); ++pos) {
        if (!isContinuation(static_cast<unsigned char>(text[pos])) && counted++ == characters) {
            break;
        }
    }
    return pos;
}

}  // namespace quarrix::records
