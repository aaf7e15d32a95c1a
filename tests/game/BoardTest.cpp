#include "GameFixture.h"
#include "game/DestroyerGroup.h"

#include <utility>

using namespace quarrix;
using Cells = std::vector<std::pair<int, int>>;

TEST(Board, CellsKeepTheirNumbersThroughResetsAndMoves)
{
    Board board;
    board.place(2, 5, gemForDraw(6));
    board.reset();
    for (int i = 0; i < Board::Cells; ++i)
        ASSERT_TRUE(!board.cellAt(i).Filled && board.cellAt(i).ShapeIndex == i) << i;
    board.place(2, 5, gemForDraw(6));
    board.place(2, 4, gemForDraw(1));
    board.adjustGems(2, 5, 2, 4);
    EXPECT_TRUE(board.cell(2, 4).gem() == gemForDraw(6) && board.cell(2, 4).ShapeIndex == 26);  // keeps its number
    EXPECT_TRUE(!board.cell(2, 5).Filled && board.cell(2, 5).gem() == gemForDraw(6));           // stale until refilled
    board.adjustGems(2, 4, 2, 4);
    EXPECT_EQ(test::countFilled(board), 0);
}

namespace {
// The cells DgCol/DgRow list, in order; at() fails the test if DgCount overruns them.
Cells listed(const DestroyerGroup& g)
{
    Cells out;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(g.DgCount); ++i)
        out.emplace_back(g.DgCol.at(i), g.DgRow.at(i));
    return out;
}
}  // namespace

TEST(DestroyerGroup, FillsNeighboursInDepthFirstOrder)
{
    // the board, the destroyer filled from, the cells listed
    const std::tuple<std::vector<std::string>, int, int, Cells> cases[] = {
        {{".r....", "rRr...", ".r...."}, 1, 1, {{1, 1}, {1, 0}, {0, 1}, {1, 2}, {2, 1}}},  // the four directions
        {{"rr....", "Rr...."}, 0, 0, {{0, 0}, {0, 1}, {1, 1}, {1, 0}}},  // (1,1) reached through (0,1) first
        {{".r....", "R....."}, 0, 0, {{0, 0}}},                          // diagonal never joins
        {{"yr....", "Ryr..."}, 0, 0, {{0, 0}}},                          // other colours block
        {{"RrrR..", "b....."}, 0, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}}},  // destroyers inside spread, once each
        {{"rrrr..", "R....Y"}, 5, 0, {{5, 0}}},                          // alone, after a larger group
    };
    DestroyerGroup group;  // one object for every fill: each must forget the one before
    for (const auto& [lines, c, r, expected] : cases) {
        Board board;
        board.reset();
        test::paint(board, lines);
        group.fill(board, c, static_cast<std::int16_t>(r));
        EXPECT_EQ(listed(group), expected) << lines[0];
    }
}

TEST(Gem, StoredColoursShowAsTheirScreenColours)
{
    std::string shown;
    for (const Rgb rgb :
         {toRgb(GemColors::Red), toRgb(GemColors::Yellow), toRgb(GemColors::Green), toRgb(GemColors::Blue)})
        shown += std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," + std::to_string(rgb.blue) + " ";
    EXPECT_EQ(shown, "255,0,0 255,255,0 0,192,0 128,128,255 ");
}
