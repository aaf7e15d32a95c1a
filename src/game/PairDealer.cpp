#include "PairDealer.h"

namespace quarrix {

int PairDealer::draw(int kinds)
{
    return static_cast<int>(random_.next() * static_cast<float>(kinds));
}

void PairDealer::makeNewGems(Playfield& field)
{
    // Lower gem first: the order of draws fixes the sequence every run deals.
    field.next.lower = gemForDraw(draw(8));
    field.next.upper = gemForDraw(draw(4));
    field.next.dealt = true;
    field.pair.PairActive = true;
}

void PairDealer::useNextGems(Playfield& field)
{
    FallingPair& pair = field.pair;
    pair.GemRow[1] = Board::SpawnUpperRow;
    pair.GemCol[1] = Board::SpawnColumn;
    pair.GemRow[0] = Board::SpawnLowerRow;
    pair.GemCol[0] = Board::SpawnColumn;
    field.board.place(Board::SpawnColumn, Board::SpawnUpperRow, field.next.upper);
    field.board.place(Board::SpawnColumn, Board::SpawnLowerRow, field.next.lower);
    makeNewGems(field);
}

}  // namespace quarrix
