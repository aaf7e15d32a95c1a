#include "Board.h"

#include <cassert>

namespace quarrix {

const BoardCell& Board::cell(int c, int r) const
{
    assert(onBoard(c, r));
    return cells_[static_cast<std::size_t>(displayIndex(c, r))];
}

const BoardCell& Board::cellAt(int index) const
{
    assert(index >= 0 && index < Cells);
    return cells_[static_cast<std::size_t>(index)];
}

BoardCell& Board::mutableCell(int c, int r)
{
    assert(onBoard(c, r));
    return cells_[static_cast<std::size_t>(displayIndex(c, r))];
}

void Board::reset()
{
    std::int16_t counter = 0;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            BoardCell& target = mutableCell(c, r);
            target.Filled = false;
            target.GemShape = ShapeCode::None;
            target.GemColor = 0;
            target.ShapeIndex = counter++;
        }
    }
}

void Board::adjustGems(int oldC, int oldR, int newC, int newR)
{
    BoardCell& source = mutableCell(oldC, oldR);
    BoardCell& target = mutableCell(newC, newR);
    target.Filled = source.Filled;
    target.GemShape = source.GemShape;
    target.GemColor = source.GemColor;
    // Source after target: moving a cell onto itself empties it, as it always has.
    source.Filled = false;
}

void Board::place(int c, int r, Gem gem)
{
    BoardCell& target = mutableCell(c, r);
    target.Filled = true;
    target.GemShape = gem.shape;
    target.GemColor = gem.color;
}

void Board::clear(int c, int r)
{
    mutableCell(c, r).Filled = false;
}

int Board::highestFilledRow() const
{
    for (int r = Rows - 1; r >= 0; --r) {
        for (int c = 0; c < Columns; ++c) {
            if (filled(c, r)) {
                return r;
            }
        }
    }
    return -1;
}

}  // namespace quarrix
