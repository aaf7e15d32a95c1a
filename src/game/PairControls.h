#pragma once

#include "Playfield.h"

namespace quarrix {

// Left, Right and Up on the falling pair. Orientation is never stored; it is read from the
// two cells each time. A refused move changes nothing.
class PairControls {
public:
    static void shiftLeft(Playfield& field) { shift(field, -1); }
    static void shiftRight(Playfield& field) { shift(field, +1); }
    // A quarter turn of gem 0 around gem 1: counterclockwise, else a half turn, else clockwise.
    static void turn(Playfield& field);

private:
    static void shift(Playfield& field, int dc);
    static bool freeCell(const Board& board, int c, int r);
    static void moveGem(Playfield& field, int gem, int newC, int newR);
};

}  // namespace quarrix
