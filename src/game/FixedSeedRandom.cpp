#include "FixedSeedRandom.h"

namespace quarrix {

float FixedSeedRandom::next()
{
    // 24 random bits scaled by 2^-24 are exact in a float and stay below 1;
    // std::generate_canonical<float> may round up to 1.0.
    constexpr float scale = 1.0F / 16777216.0F;
    return static_cast<float>(engine_() >> 8U) * scale;
}

RandomSource& gameRandom()
{
    static FixedSeedRandom generator;
    return generator;
}

}  // namespace quarrix
