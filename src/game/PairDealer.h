#pragma once

#include "Playfield.h"
#include "RandomSource.h"

namespace quarrix {

// Draws the next pair ahead of time and moves it onto the spawn cells.
class PairDealer {
public:
    explicit PairDealer(RandomSource& random) : random_(random) {}

    // Fills the preview with a fresh pair; the lower gem may be a destroyer, the upper never is.
    void makeNewGems(Playfield& field);
    // Puts the previewed pair on (3, 13) and (3, 14), overwriting whatever is there, then refills the preview.
    void useNextGems(Playfield& field);

private:
    int draw(int kinds);

    RandomSource& random_;
};

}  // namespace quarrix
