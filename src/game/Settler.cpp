#include "Settler.h"

#include "GameTiming.h"

namespace quarrix {

void Settler::fallGems(Board& board)
{
    for (int c = 0; c < Board::Columns; ++c) {
        settleColumn(board, c);
    }
}

void Settler::settleColumn(Board& board, int c)
{
    for (int r = 0; r < Board::Rows; ++r) {
        if (board.filled(c, r)) {
            continue;
        }
        int k = 1;
        while (r + k < Board::Rows && !board.filled(c, r + k)) {
            ++k;
        }
        if (r + k >= Board::Rows) {
            return;  // nothing left above the gap
        }
        animation_.pause(AnimationStepMs);
        board.adjustGems(c, r + k, c, r);
        sound_.playCollision(static_cast<std::int16_t>(c));
        animation_.repaintNow();
    }
}

}  // namespace quarrix
