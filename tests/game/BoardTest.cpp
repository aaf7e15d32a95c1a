#include "BoardPicture.h"
#include "game/Board.h"

#include <gtest/gtest.h>

using namespace quarrix;

TEST(Board, ResetNumbersCellsAndEmptiesThem)
{
    Board board;
    board.place(2, 3, gemForDraw(5));
    board.reset();
    EXPECT_EQ(board.cell(3, 14).ShapeIndex, 87);
    for (int i = 0; i < Board::Cells; ++i) {
        const BoardCell& cell = board.cellAt(i);
        EXPECT_FALSE(cell.Filled);
        EXPECT_EQ(cell.GemShape, ShapeCode::None);
        EXPECT_EQ(cell.GemColor, 0U);
        EXPECT_EQ(cell.ShapeIndex, i);
    }
}

TEST(Board, AdjustGemsMovesTheGemAndLeavesStaleValuesBehind)
{
    Board board;
    board.reset();
    board.place(2, 5, Gem{ShapeCode::Destroyer, GemColors::Green});
    board.adjustGems(2, 5, 2, 4);
    const BoardCell& target = board.cell(2, 4);
    EXPECT_TRUE(target.Filled);
    EXPECT_EQ(target.GemShape, ShapeCode::Destroyer);
    EXPECT_EQ(target.GemColor, GemColors::Green);
    EXPECT_EQ(target.ShapeIndex, 26);
    const BoardCell& source = board.cell(2, 5);
    EXPECT_FALSE(source.Filled);
    EXPECT_EQ(source.GemShape, ShapeCode::Destroyer);  // stale, meaningless until refilled
    EXPECT_EQ(source.GemColor, GemColors::Green);
    EXPECT_EQ(source.ShapeIndex, 32);
}

TEST(Board, AdjustGemsOverwritesTargetAndSameCellLosesTheGem)
{
    Board board;
    board.reset();
    board.place(1, 1, Gem{ShapeCode::Normal, GemColors::Red});
    board.place(1, 0, Gem{ShapeCode::Normal, GemColors::Blue});
    board.adjustGems(1, 1, 1, 0);
    EXPECT_EQ(board.cell(1, 0).GemColor, GemColors::Red);
    EXPECT_EQ(test::countFilled(board), 1);

    board.adjustGems(1, 0, 1, 0);
    EXPECT_EQ(test::countFilled(board), 0);
}
