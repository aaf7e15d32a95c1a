#include "PlayerText.h"

namespace quarrix::records {

std::string PlayerText::shown(const Translate& translate) const
{
    if (pattern == nullptr) {
        return plain;
    }
    const std::string text = translate(pattern);
    // One pass, so that a part holding "%2" is shown as it is.
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto part = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && part < parts.size()) {
            out += parts[part].shown(translate);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string PlayerText::english() const
{
    return shown([](const char* source) { return std::string(source); });
}

}  // namespace quarrix::records
