#pragma once

#include <cstdint>

namespace quarrix {

// The Current and Best panels of the game in progress.
struct Figures {
    std::int64_t score = 0;      // Current "Score:"
    std::int64_t combo = 0;      // Current "Combo:", bursts in the latest landing
    std::int64_t chain = 0;      // Current "Chain:", gems joined in the latest burst
    std::int64_t bestCombo = 0;  // Best "Combo:"
    std::int64_t bestChain = 0;  // Best "Chain:"

    friend bool operator==(const Figures&, const Figures&) = default;
};

}  // namespace quarrix
