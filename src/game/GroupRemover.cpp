#include "GroupRemover.h"

#include "GameTiming.h"

namespace quarrix {

void GroupRemover::getRideofGems(Board& board, const DestroyerGroup& group)
{
    for (std::size_t i = 0; i <= static_cast<std::size_t>(group.DgCount); ++i) {
        animation_.pause(AnimationStepMs);
        board.clear(group.DgCol[i], group.DgRow[i]);
        sound_.playDestruction(group.DgCol[i]);
        animation_.repaintNow();
    }
    settler_.fallGems(board);
}

}  // namespace quarrix
