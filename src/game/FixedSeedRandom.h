#pragma once

#include "RandomSource.h"

#include <random>

namespace quarrix {

// Never seeded from outside: every program start deals the same sequence of pairs.
class FixedSeedRandom final : public RandomSource {
public:
    float next() override;

private:
    std::mt19937 engine_{};  // the engine's default seed is the fixed start state
};

// The one generator shared by the whole program.
RandomSource& gameRandom();

}  // namespace quarrix
