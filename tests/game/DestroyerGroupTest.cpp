#include "BoardPicture.h"
#include "game/DestroyerGroup.h"

#include <gtest/gtest.h>

#include <utility>

using namespace quarrix;
using Cells = std::vector<std::pair<int, int>>;

namespace {
Cells listed(const DestroyerGroup& g)
{
    Cells out;
    for (int i = 0; i <= g.DgCount; ++i) {
        out.emplace_back(g.DgCol[static_cast<std::size_t>(i)], g.DgRow[static_cast<std::size_t>(i)]);
    }
    return out;
}

DestroyerGroup fillFrom(const std::vector<std::string>& lines, int c, int r)
{
    Board board;
    board.reset();
    test::paint(board, lines);
    DestroyerGroup group;
    group.fill(board, c, static_cast<std::int16_t>(r));
    return group;
}
}  // namespace

TEST(DestroyerGroup, VisitsBelowLeftAboveRightDepthFirst)
{
    const auto group = fillFrom({"..rr..", "..R..."}, 2, 0);
    EXPECT_EQ(group.DgCount, 2);
    EXPECT_EQ(listed(group), (Cells{{2, 0}, {2, 1}, {3, 1}}));

    const auto block = fillFrom({"rr....", "Rr...."}, 0, 0);
    EXPECT_EQ(listed(block), (Cells{{0, 0}, {0, 1}, {1, 1}, {1, 0}}));
}

TEST(DestroyerGroup, OnlyOrthogonalSameColourCellsJoin)
{
    EXPECT_EQ(fillFrom({".r....", "R....."}, 0, 0).DgCount, 0);  // diagonal
    // Another colour between: the red beyond it is never reached through yellow.
    EXPECT_EQ(fillFrom({"rr....", "Ry...."}, 0, 0).DgCount, 2);
    EXPECT_EQ(fillFrom({"yr....", "Ryr..."}, 0, 0).DgCount, 0);
}

TEST(DestroyerGroup, DestroyerGemsSpreadTheFillAndCountOnce)
{
    const auto group = fillFrom({"RrrR..", "b....."}, 0, 1);
    EXPECT_EQ(group.DgCount, 3);
    EXPECT_EQ(listed(group), (Cells{{0, 1}, {1, 1}, {2, 1}, {3, 1}}));
}

TEST(DestroyerGroup, ANewFillForgetsTheLastOne)
{
    Board board;
    board.reset();
    test::paint(board, {"rrrr..", "R....Y"});
    DestroyerGroup group;
    group.fill(board, 0, 0);
    EXPECT_EQ(group.DgCount, 4);
    group.fill(board, 5, 0);
    EXPECT_EQ(group.DgCount, 0);
    EXPECT_EQ(listed(group), (Cells{{5, 0}}));
    EXPECT_EQ(group.DgCol.size(), 1U);
}

TEST(DestroyerGroup, WholeBoardOfOneColourListsEveryCellOnce)
{
    Board board;
    board.reset();
    for (int i = 0; i < Board::Cells; ++i) {
        board.place(i % 6, i / 6, Gem{ShapeCode::Normal, GemColors::Blue});
    }
    board.place(2, 7, Gem{ShapeCode::Destroyer, GemColors::Blue});
    DestroyerGroup group;
    group.fill(board, 2, 7);
    EXPECT_EQ(group.DgCount, 89);
    auto cells = listed(group);
    std::sort(cells.begin(), cells.end());
    EXPECT_EQ(std::unique(cells.begin(), cells.end()), cells.end());
}
