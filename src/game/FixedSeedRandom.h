#pragma once

#include "GameServices.h"

#include <random>

namespace quarrix {

// Never seeded from outside: every program start deals the same sequence of pairs.
class FixedSeedRandom final : public RandomSource {
public:
    float next() override
    {
        // 24 random bits scaled by 2^-24 are exact in a float and stay below 1;
        // std::generate_canonical<float> may round up to 1.0.
        constexpr float scale = 1.0F / 16777216.0F;
        return static_cast<float>(engine_() >> 8U) * scale;
    }

private:
    std::mt19937 engine_{};  // the engine's default seed is the fixed start state
};

// The one generator shared by the whole program.
inline RandomSource& gameRandom()
{
    static FixedSeedRandom generator;
    return generator;
}

}  // namespace quarrix
