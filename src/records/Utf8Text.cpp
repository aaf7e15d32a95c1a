#include "Utf8Text.h"

namespace quarrix::records {

namespace {
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
}  // namespace

std::optional<char32_t> Utf8Text::next(std::string_view text, std::size_t& pos)
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

bool Utf8Text::isMultiByte(std::string_view bytes)
{
    bool multiByte = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::optional<char32_t> character = next(bytes, pos);
        if (!character) {
            return false;
        }
        multiByte = multiByte || *character > 0x7F;
    }
    return multiByte;
}

void Utf8Text::append(std::string& text, char32_t character)
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

std::size_t Utf8Text::prefixBytes(std::string_view text, std::size_t characters)
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
