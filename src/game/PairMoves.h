#pragma once

#include "GameServices.h"
#include "Playfield.h"

#include <array>

namespace quarrix {

// The life of the falling pair: dealt ahead of time into the preview, moved onto the spawn
// cells, steered by Left, Right and Up, and dropped one row a tick. Orientation is never stored;
// it is read from the two cells each time. A refused move changes nothing.
class PairMoves {
public:
    PairMoves(RandomSource& random, SoundInterface& sound) : random_(random), sound_(sound) {}

    // Fills the preview with a fresh pair; the lower gem may be a destroyer, the upper never is.
    void makeNewGems(Playfield& field);
    // Puts the previewed pair on (3, 13) and (3, 14), overwriting whatever is there, then refills the preview.
    void useNextGems(Playfield& field);

    static void shiftLeft(Playfield& field) { shift(field, -1); }
    static void shiftRight(Playfield& field) { shift(field, +1); }
    // A quarter turn of gem 0 around gem 1: counterclockwise, else a half turn, else clockwise.
    static void turn(Playfield& field);

    // Moves what can fall one row down. Each gem is judged on its own, so a flat pair that is
    // supported on one side only splits, and the free gem falls on alone. Returns true when both
    // gems are blocked: the pair has landed and the landing sound has played.
    bool drop(Playfield& field);

private:
    static void shift(Playfield& field, int dc);
    static bool freeCell(const Board& board, int c, int r);
    static void moveGem(Playfield& field, int gem, int newC, int newR);
    static std::array<bool, 2> blockedByFloor(const FallingPair& pair);
    static void blockByStack(const Board& board, const FallingPair& pair, std::array<bool, 2>& canFall, int gem);
    static void moveGems(Playfield& field, const std::array<bool, 2>& canFall);

    RandomSource& random_;
    SoundInterface& sound_;
};

}  // namespace quarrix
