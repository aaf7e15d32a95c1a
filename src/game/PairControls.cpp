#include "PairControls.h"

#include <array>

namespace quarrix {

bool PairControls::freeCell(const Board& board, int c, int r)
{
    return Board::onBoard(c, r) && !board.filled(c, r);
}

void PairControls::moveGem(Playfield& field, int gem, int newC, int newR)
{
    FallingPair& pair = field.pair;
    const int oldC = pair.GemCol[gem];
    const int oldR = pair.GemRow[gem];
    pair.GemCol[gem] = newC;
    pair.GemRow[gem] = static_cast<std::int16_t>(newR);
    field.board.adjustGems(oldC, oldR, newC, newR);
}

void PairControls::shift(Playfield& field, int dc)
{
    const FallingPair& pair = field.pair;
    const int wall = dc < 0 ? 0 : Board::Columns - 1;
    const Board& board = field.board;
    if (pair.GemRow[0] != pair.GemRow[1]) {
        // Vertical: both cells beside the pair must be free.
        if (pair.GemCol[0] == wall || !freeCell(board, pair.GemCol[0] + dc, pair.GemRow[0]) ||
            !freeCell(board, pair.GemCol[1] + dc, pair.GemRow[1])) {
            return;
        }
        moveGem(field, 0, pair.GemCol[0] + dc, pair.GemRow[0]);
        moveGem(field, 1, pair.GemCol[1] + dc, pair.GemRow[1]);
        return;
    }
    // Horizontal: the gem on the side of the motion leads, or the other would overwrite it.
    const bool gem0Leads = dc < 0 ? pair.GemCol[0] < pair.GemCol[1] : pair.GemCol[0] > pair.GemCol[1];
    const int lead = gem0Leads ? 0 : 1;
    const int follow = 1 - lead;
    if (pair.GemCol[lead] == wall || !freeCell(board, pair.GemCol[lead] + dc, pair.GemRow[lead])) {
        return;
    }
    moveGem(field, lead, pair.GemCol[lead] + dc, pair.GemRow[lead]);
    moveGem(field, follow, pair.GemCol[follow] + dc, pair.GemRow[follow]);
}

void PairControls::turn(Playfield& field)
{
    const FallingPair& pair = field.pair;
    const int pc = pair.GemCol[1];
    const int pr = pair.GemRow[1];
    // Offsets from gem 1 in counterclockwise order on screen: left, below, right, above.
    static constexpr std::array<std::array<int, 2>, 4> around{{{-1, 0}, {0, -1}, {1, 0}, {0, 1}}};
    int current = 0;
    if (pair.GemCol[0] < pc) {
        current = 0;
    } else if (pair.GemCol[0] > pc) {
        current = 2;
    } else if (pair.GemRow[0] > pr) {
        current = 3;
    } else {
        current = 1;  // below, also when the rows are equal
    }
    // Counterclockwise, half turn, clockwise.
    for (const int step : {1, 2, 3}) {
        const auto& offset = around[static_cast<std::size_t>((current + step) % 4)];
        const int nc = pc + offset[0];
        const int nr = pr + offset[1];
        if (freeCell(field.board, nc, nr)) {
            moveGem(field, 0, nc, nr);
            return;
        }
    }
}

}  // namespace quarrix
