#include "GameFixture.h"
#include "game/LandingResolver.h"

#include <numeric>
#include <utility>

using namespace quarrix;
using Cells = std::vector<std::pair<int, int>>;

TEST(Board, CellsKeepTheirNumbersThroughResetsAndMoves)
{
    Board board;
    board.place(2, 5, gemForDraw(6));
    board.reset();
    std::vector<int> numbers, expected(Board::Cells);
    for (int i = 0; i < Board::Cells; ++i)
        numbers.push_back(board.cellAt(i).ShapeIndex);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(test::countFilled(board), 0);
    board.place(2, 5, gemForDraw(6));
    board.place(2, 4, gemForDraw(1));
    board.adjustGems(2, 5, 2, 4);
    EXPECT_EQ(board.cell(2, 4).gem(), gemForDraw(6));
    EXPECT_EQ(board.cell(2, 4).ShapeIndex, 26);  // the cell keeps its number
    EXPECT_EQ(board.cell(2, 5).gem(), gemForDraw(6));  // stale until refilled
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
    // what, the board, the destroyer filled from, the cells listed
    const std::tuple<const char*, std::vector<std::string>, int, int, Cells> cases[] = {
        {"the four directions", {".r....", "rRr...", ".r...."}, 1, 1, {{1, 1}, {1, 0}, {0, 1}, {1, 2}, {2, 1}}},
        {"(1,1) reached through (0,1) first", {"rr....", "Rr...."}, 0, 0, {{0, 0}, {0, 1}, {1, 1}, {1, 0}}},
        {"diagonal never joins", {".r....", "R....."}, 0, 0, {{0, 0}}},
        {"other colours block", {"yr....", "Ryr..."}, 0, 0, {{0, 0}}},
        {"destroyers inside spread, once each", {"RrrR..", "b....."}, 0, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}}},
        {"alone, after a larger group", {"rrrr..", "R....Y"}, 5, 0, {{5, 0}}},
    };
    DestroyerGroup group;  // one object for every fill: each must forget the one before
    for (const auto& [what, lines, c, r, expected] : cases) {
        Board board;
        board.reset();
        test::paint(board, lines);
        group.fill(board, c, static_cast<std::int16_t>(r));
        EXPECT_EQ(listed(group), expected) << what;
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
