#include "DestroyerGroup.h"

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

}  // namespace quarrix
