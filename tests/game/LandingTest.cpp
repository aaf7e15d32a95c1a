#include "GameFixture.h"

using namespace quarrix;
using namespace quarrix::test;

TEST(Board, MovesCarryTheGemAndResetsNumberTheCells)
{
    Board board;
    board.place(2, 5, gemForDraw(6));
    board.place(2, 4, gemForDraw(1));
    board.adjustGems(2, 5, 2, 4);
    EXPECT_EQ(board.cell(2, 4).gem(), gemForDraw(6));
    board.reset();
    for (int i = 0; i < Board::Cells; ++i)
        ASSERT_EQ(board.cellAt(i).ShapeIndex, i);
}

TEST(DestroyerGroup, FillsNeighboursInDepthFirstOrder)
{
    using Cells = std::vector<std::pair<int, int>>;
    // what, the board, the destroyer filled from, the cells listed
    const std::tuple<const char*, std::vector<std::string>, int, int, Cells> cases[] = {
        {"the four directions", {".r....", "rRr...", ".r...."}, 1, 1, {{1, 1}, {1, 0}, {0, 1}, {1, 2}, {2, 1}}},
        {"destroyers inside spread, once each", {"RrrR..", "b....."}, 0, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}}},
        {"alone, after a larger group", {"rrrr..", "R....Y"}, 5, 0, {{5, 0}}},
    };
    DestroyerGroup group;  // one object for every fill: each must forget the one before
    for (const auto& [what, lines, c, r, expected] : cases) {
        SCOPED_TRACE(what);
        Board board;
        paint(board, lines);
        group.fill(board, c, static_cast<std::int16_t>(r));
        Cells listed;  // at() fails the test if DgCount overruns the lists
        for (std::size_t i = 0; i <= static_cast<std::size_t>(group.DgCount); ++i)
            listed.emplace_back(group.DgCol.at(i), group.DgRow.at(i));
        EXPECT_EQ(listed, expected);
    }
}

TEST(Gem, StoredColoursShowAsTheirScreenColours)
{
    std::string shown;
    for (const ColorValue color : {GemColors::Red, GemColors::Yellow, GemColors::Green, GemColors::Blue})
        shown += std::to_string(toRgb(color).red) + "," + std::to_string(toRgb(color).green) + "," +
                 std::to_string(toRgb(color).blue) + " ";
    EXPECT_EQ(shown, "255,0,0 255,255,0 0,192,0 128,128,255 ");
}

using LandingTest = GameFixture;

TEST_F(LandingTest, SettlingDropsGemsColumnByColumnLowestFirst)
{
    board().reset();
    paint(board(), std::vector<std::string>(Board::Rows, "r....."));  // a full column costs nothing
    paint(board(), {"r.y..y", "r.b..y", "r.....", "r..g..", "r.rg.b"});
    board().place(4, 14, gemForDraw(1));  // a gem from the top falls in one move
    LandingResolver{log, log, log, log}.fallGems(board());
    for (const auto& [c, r, k] : {std::array{2, 1, 3}, {2, 2, 1}, {4, 0, 1}, {5, 1, 1}, {5, 2, 1}})
        EXPECT_EQ(board().cell(c, r).gem(), gemForDraw(k)) << c << "," << r;
    EXPECT_EQ(log.calls, "p75 c2 r p75 c2 r p75 c4 r p75 c5 r p75 c5 r ");  // each move paused, sounded, shown
}

TEST_F(LandingTest, EachBurstGemPausesSoundsAndRepaintsInOrder)
{
    startWithPair(2, 0, 3, 0, {"..rr..", "......"}, gemForDraw(4));
    game.tick();
    // From (2,0): (2,1) above, then (3,1) right of it; the yellow gem stays and nothing falls.
    EXPECT_EQ(log.calls, "c2 c3 c3 p75 d2 r p75 d2 r p75 d3 r x s0 ");
    EXPECT_EQ(field().figures, (Figures{20, 1, 2, 1, 2}));
}

TEST_F(LandingTest, ASettledGemSetsOffAComboBurst)
{
    // Red burst of four; the yellow destroyer then settles onto two yellows: a second, smaller burst.
    startWithPair(5, 0, 5, 1, {"Y.....", "rrr...", "Ryy..."}, gemForDraw(2), gemForDraw(3));
    game.tick();
    EXPECT_EQ(log.destructions, "0012012");
    EXPECT_EQ(log.collisions, "5550");  // the landing, then the yellow destroyer settling into column 0
    // 3 x 1 x 10 + 2 x 2 x 10; Current shows the latest burst, Best the largest.
    EXPECT_EQ(field().figures, (Figures{70, 2, 2, 2, 3}));

    // A landing without a burst (a lone destroyer stays) resets Current, keeps score and Best.
    startWithPair(0, 0, 0, 1, {}, gemForDraw(4));
    game.tick();
    EXPECT_EQ(field().figures, (Figures{70, 0, 0, 2, 3}));
}
