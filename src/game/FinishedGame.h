#pragma once

#include <cstdint>

namespace quarrix {

// The figures a finished game is ranked by, as the panels show them at game over.
struct FinishedGame {
    std::int64_t score = 0;
    std::int64_t bestCombo = 0;
    std::int64_t bestChain = 0;
    int intervalMs = 1000;  // the drop speed the game was played at
};

}  // namespace quarrix
