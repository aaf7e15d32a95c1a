#pragma once

#include "game/RandomSource.h"

#include <cstdint>
#include <random>

namespace quarrix::soak {

// Pairs dealt from the soak's seed, so another seed plays other games.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(static_cast<std::mt19937::result_type>(seed)) {}

    // 24 random bits scaled down: exactly representable, and never 1.
    float next() override { return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F); }

private:
    std::mt19937 engine_;
};

}  // namespace quarrix::soak
