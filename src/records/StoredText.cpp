#include "StoredText.h"

#include "Utf8Text.h"

namespace quarrix::records {

std::string StoredText::storable(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '"') {
            c = '\'';
        }
    }
    return out;
}

std::string StoredText::cleanName(std::string_view typed)
{
    std::string out = storable(typed.substr(0, Utf8Text::prefixBytes(typed, MaxNameLength)));
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    return out;
}

}  // namespace quarrix::records
