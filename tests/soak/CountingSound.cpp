#include "CountingSound.h"

namespace quarrix::soak {

void CountingSound::startStep()
{
    removals_.clear();
    landings_ = 0;
    spawnCellsFilled_ = 0;
}

void CountingSound::playDestruction(std::int16_t position)
{
    removals_.push_back(Removal{field_ != nullptr ? field_->figures : Figures{}, position});
    real_.playDestruction(position);
}

void CountingSound::cleanUpBuffers()
{
    // Called once at the end of every landing, just before the next pair is dealt.
    ++landings_;
    spawnCellsFilled_ = 0;
    if (field_ != nullptr) {
        const Board& board = field_->board;
        spawnCellsFilled_ = (board.filled(Board::SpawnColumn, Board::SpawnLowerRow) ? 1 : 0) +
                            (board.filled(Board::SpawnColumn, Board::SpawnUpperRow) ? 1 : 0);
    }
    real_.cleanUpBuffers();
}

}  // namespace quarrix::soak
