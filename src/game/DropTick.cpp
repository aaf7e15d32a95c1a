#include "DropTick.h"

namespace quarrix {

std::array<bool, 2> DropTick::blockedByFloor(const FallingPair& pair)
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

void DropTick::blockByStack(const Board& board, const FallingPair& pair, std::array<bool, 2>& canFall, int gem)
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

void DropTick::playFirstContacts(const FallingPair& pair, const std::array<bool, 2>& canFall)
{
    for (int gem = 0; gem < 2; ++gem) {
        if (!canFall[gem] && pair.PairActive) {
            sound_.playCollision(static_cast<std::int16_t>(pair.GemCol[gem]));
        }
    }
}

void DropTick::moveDown(Playfield& field, int gem)
{
    FallingPair& pair = field.pair;
    pair.GemRow[gem] = static_cast<std::int16_t>(pair.GemRow[gem] - 1);
    field.board.adjustGems(pair.GemCol[gem], pair.GemRow[gem] + 1, pair.GemCol[gem], pair.GemRow[gem]);
}

void DropTick::moveGems(Playfield& field, const std::array<bool, 2>& canFall)
{
    FallingPair& pair = field.pair;
    if (canFall[0] && canFall[1]) {
        // The lower gem leaves its cell before the upper one moves into it.
        const int first = pair.GemRow[0] <= pair.GemRow[1] ? 0 : 1;
        moveDown(field, first);
        moveDown(field, 1 - first);
        return;
    }
    for (int gem = 0; gem < 2; ++gem) {
        if (canFall[gem]) {
            moveDown(field, gem);
        }
    }
    pair.PairActive = false;
}

bool DropTick::step(Playfield& field)
{
    const FallingPair& pair = field.pair;
    std::array<bool, 2> canFall = blockedByFloor(pair);
    blockByStack(field.board, pair, canFall, 0);
    blockByStack(field.board, pair, canFall, 1);
    playFirstContacts(pair, canFall);
    moveGems(field, canFall);
    if (canFall[0] || canFall[1]) {
        return false;
    }
    const int landingColumn = pair.GemCol[1] < pair.GemCol[0] ? pair.GemCol[0] : pair.GemCol[1];
    sound_.playCollision(static_cast<std::int16_t>(landingColumn));
    return true;
}

}  // namespace quarrix
