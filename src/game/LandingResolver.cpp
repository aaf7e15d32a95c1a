#include "LandingResolver.h"

#include <algorithm>
#include <array>

namespace quarrix {

void DestroyerGroup::fill(const Board& board, int dgC, std::int16_t dgR)
{
    DgCount = 0;
    visit(board, dgC, dgR);
}

void DestroyerGroup::visit(const Board& board, int c, int r)
{
    const auto size = static_cast<std::size_t>(DgCount) + 1;
    DgCol.resize(size);
    DgRow.resize(size);
    DgCol[size - 1] = static_cast<std::int16_t>(c);
    DgRow[size - 1] = static_cast<std::int16_t>(r);

    // Below, left, above, right: this order fixes the order in which gems vanish.
    static constexpr std::array<std::array<int, 2>, 4> steps{{{0, -1}, {-1, 0}, {0, 1}, {1, 0}}};
    const ColorValue color = board.cell(c, r).GemColor;
    for (const auto& step : steps) {
        const int nc = c + step[0];
        const int nr = r + step[1];
        if (!Board::onBoard(nc, nr)) {
            continue;
        }
        const BoardCell& neighbour = board.cell(nc, nr);
        if (!neighbour.Filled || neighbour.GemColor != color || listed(nc, nr)) {
            continue;
        }
        ++DgCount;
        visit(board, nc, nr);
    }
}

bool DestroyerGroup::listed(int c, int r) const
{
    for (std::size_t i = 0; i <= static_cast<std::size_t>(DgCount) && i < DgCol.size(); ++i) {
        if (DgCol[i] == c && DgRow[i] == r) {
            return true;
        }
    }
    return false;
}

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
    const int height = field.board.highestFilledRow();
    if (!sound_.musicDisabled() && height >= 0) {
        sound_.setMusicSpeed(static_cast<std::int16_t>(height));
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
            getRideofGems(field.board);
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

void LandingResolver::getRideofGems(Board& board)
{
    for (std::size_t i = 0; i <= static_cast<std::size_t>(group_.DgCount); ++i) {
        animation_.pause(AnimationStepMs);
        board.clear(group_.DgCol[i], group_.DgRow[i]);
        sound_.playDestruction(group_.DgCol[i]);
        animation_.repaintNow();  // each gem is seen to go
    }
    fallGems(board);
}

void LandingResolver::fallGems(Board& board)
{
    for (int c = 0; c < Board::Columns; ++c) {
        for (int r = 0; r < Board::Rows; ++r) {
            if (board.filled(c, r)) {
                continue;
            }
            int k = 1;
            while (r + k < Board::Rows && !board.filled(c, r + k)) {
                ++k;
            }
            if (r + k >= Board::Rows) {
                break;  // nothing left above the gap
            }
            animation_.pause(AnimationStepMs);
            board.adjustGems(c, r + k, c, r);
            sound_.playCollision(static_cast<std::int16_t>(c));
            animation_.repaintNow();
        }
    }
}

void LandingResolver::endGame(const Playfield& field)
{
    timer_.setEnabled(false);
    gameOver_.showGameOver();
    const Figures& figures = field.figures;
    gameOver_.processScore(FinishedGame{figures.score, figures.bestCombo, figures.bestChain, timer_.interval()});
}

}  // namespace quarrix
