#pragma once

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

}  // namespace quarrix
