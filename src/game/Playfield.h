#pragma once

#include "Board.h"

#include <array>
#include <cstdint>

namespace quarrix {

// Which two cells hold the falling pair. Gem 0 comes from the lower preview cell,
// gem 1 from the upper one; both are ordinary filled cells of the board.
struct FallingPair {
    std::array<int, 2> GemCol{0, 0};
    std::array<std::int16_t, 2> GemRow{0, 0};
    bool PairActive = false;  // the pair falls joined and obeys the keys
};

// The pair shown in the Next box, which the next deal makes the falling pair.
struct NextPair {
    Gem lower;           // becomes gem 0
    Gem upper;           // becomes gem 1
    bool dealt = false;  // false until the first game shows a pair here
};

// The Current and Best panels of the game in progress.
struct Figures {
    std::int64_t score = 0;      // Current "Score:"
    std::int64_t combo = 0;      // Current "Combo:", bursts in the latest landing
    std::int64_t chain = 0;      // Current "Chain:", gems joined in the latest burst
    std::int64_t bestCombo = 0;  // Best "Combo:"
    std::int64_t bestChain = 0;  // Best "Chain:"

    friend bool operator==(const Figures&, const Figures&) = default;
};

// Everything the main window shows of a game: the well, the pair, the preview, the panels.
struct Playfield {
    Board board;
    FallingPair pair;
    NextPair next;
    Figures figures;
    bool started = false;  // a game has been dealt since start-up
};

}  // namespace quarrix
