#include "LandingResolver.h"

#include <algorithm>

namespace quarrix {

void LandingResolver::handleGameStatus(Playfield& field)
{
    field.figures.combo = 0;
    field.figures.chain = 0;
    while (burstOnce(field)) {
        // Gems have moved: the scan starts again from the first cell.
    }
    if (field.board.filled(Board::SpawnColumn, Board::SpawnUpperRow)) {
        endGame(field);
    }
    sound_.cleanUpBuffers();
    if (!sound_.musicDisabled()) {
        updateMusic(field.board);
    }
}

bool LandingResolver::burstOnce(Playfield& field)
{
    for (int c = 0; c < Board::Columns; ++c) {
        for (int r = 0; r < Board::Rows; ++r) {
            const BoardCell& cell = field.board.cell(c, r);
            if (!cell.Filled || cell.GemShape != ShapeCode::Destroyer) {
                continue;
            }
            group_.fill(field.board, c, static_cast<std::int16_t>(r));
            if (group_.DgCount == 0) {
                continue;
            }
            countBurst(field.figures);
            remover_.getRideofGems(field.board, group_);
            return true;
        }
    }
    return false;
}

void LandingResolver::countBurst(Figures& figures) const
{
    figures.combo += 1;
    figures.chain = group_.DgCount;
    figures.score += static_cast<std::int64_t>(group_.DgCount) * figures.combo * 10;
    figures.bestCombo = std::max(figures.bestCombo, figures.combo);
    figures.bestChain = std::max(figures.bestChain, figures.chain);
}

void LandingResolver::endGame(const Playfield& field)
{
    timer_.setEnabled(false);
    gameOver_.showGameOver();
    const Figures& figures = field.figures;
    gameOver_.processScore(FinishedGame{figures.score, figures.bestCombo, figures.bestChain, timer_.interval()});
}

void LandingResolver::updateMusic(const Board& board)
{
    const int height = board.highestFilledRow();
    if (height >= 0) {
        sound_.setMusicSpeed(static_cast<std::int16_t>(height));
    }
}

}  // namespace quarrix
