#pragma once

#include "Board.h"
#include "FallingPair.h"
#include "Figures.h"
#include "NextPair.h"

namespace quarrix {

// Everything the main window shows of a game: the well, the pair, the preview, the panels.
struct Playfield {
    Board board;
    FallingPair pair;
    NextPair next;
    Figures figures;
    bool started = false;  // a game has been dealt since start-up
};

}  // namespace quarrix
