#include "ItemCodec.h"

#include "CodePage1252.h"
#include "Utf8Text.h"

namespace quarrix::records {

std::string ItemCodec::decode(std::string_view bytes)
{
    if (Utf8Text::isMultiByte(bytes)) {
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        Utf8Text::append(text, CodePage1252::toUnicode(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string ItemCodec::encode(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> character = Utf8Text::next(text, pos);
        // Text that is not UTF-8 never comes from the reader or a prompt: it is kept as it is.
        const std::optional<unsigned char> byte = character ? CodePage1252::fromUnicode(*character) : std::nullopt;
        if (!byte) {
            return std::string(text);
        }
        bytes += static_cast<char>(*byte);
    }
    return Utf8Text::isMultiByte(bytes) ? std::string(text) : bytes;
}

}  // namespace quarrix::records
