#pragma once

#include "Gem.h"

#include <array>
#include <cstdint>

namespace quarrix {

// One cell of the well. Only `Filled` says whether a gem is there: shape and colour
// keep the last gem's values after it leaves, and mean nothing until a gem arrives.
struct BoardCell {
    bool Filled = false;
    ShapeCode GemShape = ShapeCode::None;
    std::int16_t ShapeIndex = 0;
    ColorValue GemColor = 0;

    Gem gem() const { return Gem{GemShape, GemColor}; }
};

// The 6 x 15 well, addressed (column, row) with row 0 at the bottom.
// Cell (c, r) is stored at c + 6 * r, which is also its display index.
class Board {
public:
    static constexpr int Columns = 6;
    static constexpr int Rows = 15;
    static constexpr int Cells = Columns * Rows;
    static constexpr int SpawnColumn = 3;
    static constexpr int SpawnLowerRow = 13;
    static constexpr int SpawnUpperRow = 14;

    static constexpr bool onBoard(int c, int r) { return c >= 0 && c < Columns && r >= 0 && r < Rows; }
    static constexpr int displayIndex(int c, int r) { return r * Columns + c; }

    const BoardCell& cell(int c, int r) const;
    const BoardCell& cellAt(int displayIndex) const;
    bool filled(int c, int r) const { return cell(c, r).Filled; }

    // Empties every cell, zeroes shape and colour and numbers the cells r * 6 + c.
    void reset();
    // Moves the gem from the old cell into the new one; the target is overwritten.
    void adjustGems(int oldC, int oldR, int newC, int newR);
    // Writes a gem straight into a cell, filling it.
    void place(int c, int r, Gem gem);
    // Empties a cell; its shape and colour stay as they were.
    void clear(int c, int r);
    // Highest row holding a gem (rows from the top, columns from the left), or -1 when empty.
    int highestFilledRow() const;

private:
    BoardCell& mutableCell(int c, int r);

    std::array<BoardCell, Cells> cells_{};
};

}  // namespace quarrix
