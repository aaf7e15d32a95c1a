#include "GameFixture.h"
#include "game/DestroyerGroup.h"

#include <utility>

using namespace quarrix;
using Cells = std::vector<std::pair<int, int>>;

TEST(Board, ResetEmptiesAndNumbersEveryCell)
{
    Board board;
    board.place(2, 3, gemForDraw(5));
    board.reset();
    EXPECT_EQ(board.cell(3, 14).ShapeIndex, 87);  // c + 6 * r
    for (int i = 0; i < Board::Cells; ++i) {
        EXPECT_FALSE(board.cellAt(i).Filled);
        EXPECT_EQ(board.cellAt(i).ShapeIndex, i);
    }
}

TEST(Board, AdjustGemsLeavesStaleValuesOverwritesAndLosesTheGemOnTheSameCell)
{
    Board board;
    board.reset();
    const Gem green{ShapeCode::Destroyer, GemColors::Green};
    board.place(2, 5, green);
    board.adjustGems(2, 5, 2, 4);
    EXPECT_EQ(board.cell(2, 4).gem(), green);
    EXPECT_EQ(board.cell(2, 4).ShapeIndex, 26);  // the cell keeps its own number
    EXPECT_FALSE(board.cell(2, 5).Filled);
    EXPECT_EQ(board.cell(2, 5).gem(), green);  // stale until refilled
    EXPECT_EQ(board.cell(2, 5).ShapeIndex, 32);

    board.place(2, 3, gemForDraw(1));
    board.adjustGems(2, 4, 2, 3);
    EXPECT_EQ(board.cell(2, 3).gem(), green);
    EXPECT_EQ(test::countFilled(board), 1);
    board.adjustGems(2, 3, 2, 3);
    EXPECT_EQ(test::countFilled(board), 0);
}

namespace {
// The cells DgCol/DgRow list, in order; at() fails the test if DgCount overruns them.
Cells listed(const DestroyerGroup& g)
{
    Cells out;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(g.DgCount); ++i) {
        out.emplace_back(g.DgCol.at(i), g.DgRow.at(i));
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

TEST(DestroyerGroup, FillsSameColourNeighboursBelowLeftAboveRightDepthFirst)
{
    struct Case {
        std::vector<std::string> lines;
        int c, r;
        Cells expected;
    };
    const Case cases[] = {
        {{".r....", "rRr...", ".r...."}, 1, 1, {{1, 1}, {1, 0}, {0, 1}, {1, 2}, {2, 1}}},  // the four directions
        {{"rr....", "Rr...."}, 0, 0, {{0, 0}, {0, 1}, {1, 1}, {1, 0}}},  // (1,1) reached through (0,1) first
        {{".r....", "R....."}, 0, 0, {{0, 0}}},                          // diagonal never joins
        {{"yr....", "Ryr..."}, 0, 0, {{0, 0}}},                          // other colours block
        {{"RrrR..", "b....."}, 0, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}}},  // destroyers inside spread, once each
    };
    for (const Case& t : cases) {
        EXPECT_EQ(listed(fillFrom(t.lines, t.c, t.r)), t.expected) << t.lines[0];
    }
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
    EXPECT_EQ(listed(group), (Cells{{5, 0}}));
    EXPECT_EQ(group.DgCol.size(), 1U);
}

TEST(DestroyerGroup, WholeBoardOfOneColourListsEveryCellOnce)
{
    std::vector<std::string> lines(Board::Rows, "bbbbbb");
    lines[7] = "bbBbbb";
    auto cells = listed(fillFrom(lines, 2, 7));
    EXPECT_EQ(cells.size(), 90U);
    std::sort(cells.begin(), cells.end());
    EXPECT_EQ(std::unique(cells.begin(), cells.end()), cells.end());
}
