#pragma once

#include "AnimationInterface.h"
#include "Board.h"
#include "SoundInterface.h"

namespace quarrix {

// Closes every gap after a burst: each gem with room below drops straight to its final row,
// one gem at a time, column 0 first and the lowest gem of a column first.
class Settler {
public:
    Settler(SoundInterface& sound, AnimationInterface& animation) : sound_(sound), animation_(animation) {}

    void fallGems(Board& board);

private:
    void settleColumn(Board& board, int c);

    SoundInterface& sound_;
    AnimationInterface& animation_;
};

}  // namespace quarrix
