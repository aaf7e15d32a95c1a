#pragma once

#include "game/Translatable.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quarrix::records {

// A text for the player: an English pattern marked in TextContext, whose %1, %2 ... are filled with
// its parts, each either another such text or a plain one (a number, a path) that is never translated.
// A sentence stays one pattern, so that a language can order it.
struct PlayerText {
    static constexpr const char* TextContext = "quarrix::records";
    // Maps a marked pattern to the pattern to show; the identity keeps the English.
    using Translate = std::function<std::string(const char* pattern)>;

    explicit PlayerText(const char* marked, std::vector<PlayerText> filling = {})
        : pattern(marked), parts(std::move(filling))
    {}
    static PlayerText of(std::string text)
    {
        PlayerText plainText(nullptr);
        plainText.plain = std::move(text);
        return plainText;
    }

    const char* pattern;  // null: a plain text
    std::vector<PlayerText> parts;
    std::string plain;
    std::string shown(const Translate& translate) const;
    std::string english() const;
};

}  // namespace quarrix::records
