#include "PairMoves.h"

namespace quarrix {

void PairMoves::makeNewGems(Playfield& field)
{
    const auto draw = [this](int kinds) { return static_cast<int>(random_.next() * static_cast<float>(kinds)); };
    // Lower gem first: the order of draws fixes the sequence every run deals.
    field.next.lower = gemForDraw(draw(8));
    field.next.upper = gemForDraw(draw(4));
    field.next.dealt = true;
    field.pair.PairActive = true;
}

void PairMoves::useNextGems(Playfield& field)
{
    field.pair.GemCol = {Board::SpawnColumn, Board::SpawnColumn};
    field.pair.GemRow = {Board::SpawnLowerRow, Board::SpawnUpperRow};
    field.board.place(Board::SpawnColumn, Board::SpawnUpperRow, field.next.upper);
    field.board.place(Board::SpawnColumn, Board::SpawnLowerRow, field.next.lower);
    makeNewGems(field);
}

bool PairMoves::freeCell(const Board& board, int c, int r)
{
    return Board::onBoard(c, r) && !board.filled(c, r);
}

void PairMoves::moveGem(Playfield& field, int gem, int newC, int newR)
{
    FallingPair& pair = field.pair;
    const int oldC = pair.GemCol[gem];
    const int oldR = pair.GemRow[gem];
    pair.GemCol[gem] = newC;
    pair.GemRow[gem] = static_cast<std::int16_t>(newR);
    field.board.adjustGems(oldC, oldR, newC, newR);
}

void PairMoves::shift(Playfield& field, int dc)
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

void PairMoves::turn(Playfield& field)
{
    const FallingPair& pair = field.pair;
    const int pc = pair.GemCol[1];
    const int pr = pair.GemRow[1];
    // Offsets from gem 1 in counterclockwise order on screen: left, below, right, above.
    static constexpr std::array<std::array<int, 2>, 4> around{{{-1, 0}, {0, -1}, {1, 0}, {0, 1}}};
    int current = 1;  // below, also when the rows are equal
    if (pair.GemCol[0] < pc) {
        current = 0;
    } else if (pair.GemCol[0] > pc) {
        current = 2;
    } else if (pair.GemRow[0] > pr) {
        current = 3;
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

std::array<bool, 2> PairMoves::blockedByFloor(const FallingPair& pair)
{
    std::array<bool, 2> canFall{true, true};
    for (int gem = 0; gem < 2; ++gem) {
        const int other = 1 - gem;
        if (pair.GemRow[gem] == 0) {
            canFall[gem] = false;
            if (pair.GemCol[other] == pair.GemCol[gem]) {
                canFall[other] = false;
            }
        }
    }
    return canFall;
}

void PairMoves::blockByStack(const Board& board, const FallingPair& pair, std::array<bool, 2>& canFall, int gem)
{
    const int other = 1 - gem;
    const int col = pair.GemCol[gem];
    const int below = pair.GemRow[gem] - 1;
    if (!canFall[gem] || !board.filled(col, below)) {
        return;
    }
    const bool sitsOnPartner = pair.GemCol[other] == col && pair.GemRow[other] == below;
    if (sitsOnPartner) {
        return;
    }
    canFall[gem] = false;
    // Only the rows are compared: a partner one row up stops too, whichever column it is in.
    if (pair.GemRow[other] == pair.GemRow[gem] + 1) {
        canFall[other] = false;
    }
}

void PairMoves::moveGems(Playfield& field, const std::array<bool, 2>& canFall)
{
    FallingPair& pair = field.pair;
    const auto moveDown = [&field, &pair](int gem) { moveGem(field, gem, pair.GemCol[gem], pair.GemRow[gem] - 1); };
    if (canFall[0] && canFall[1]) {
        // The lower gem leaves its cell before the upper one moves into it.
        const int first = pair.GemRow[0] <= pair.GemRow[1] ? 0 : 1;
        moveDown(first);
        moveDown(1 - first);
        return;
    }
    for (int gem = 0; gem < 2; ++gem) {
        if (canFall[gem]) {
            moveDown(gem);
        }
    }
    pair.PairActive = false;
}

bool PairMoves::drop(Playfield& field)
{
    const FallingPair& pair = field.pair;
    std::array<bool, 2> canFall = blockedByFloor(pair);
    blockByStack(field.board, pair, canFall, 0);
    blockByStack(field.board, pair, canFall, 1);
    // A sound for each gem the live pair finds stopped, gem 0 first.
    for (int gem = 0; gem < 2; ++gem) {
        if (!canFall[gem] && pair.PairActive) {
            sound_.playCollision(static_cast<std::int16_t>(pair.GemCol[gem]));
        }
    }
    moveGems(field, canFall);
    if (canFall[0] || canFall[1]) {
        return false;
    }
    const int landingColumn = pair.GemCol[1] < pair.GemCol[0] ? pair.GemCol[0] : pair.GemCol[1];
    sound_.playCollision(static_cast<std::int16_t>(landingColumn));
    return true;
}

}  // namespace quarrix
