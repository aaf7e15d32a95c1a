#include "GameFixture.h"
#include "game/LandingResolver.h"

using namespace quarrix;
using namespace quarrix::test;

TEST(Settler, GemsDropColumnByColumnLowestFirst)
{
    Outside log;
    Board board;
    board.reset();
    paint(board, std::vector<std::string>(Board::Rows, "r....."));  // a full column costs nothing
    paint(board, {"r.y..y", "r.b..y", "r.....", "r..g..", "r.rg.b"});
    board.place(4, 14, gemForDraw(1));  // a gem from the top falls in one move
    LandingResolver{log, log, log, log}.fallGems(board);
    for (const auto& [c, r, k] : {std::array{2, 1, 3}, {2, 2, 1}, {4, 0, 1}, {5, 1, 1}, {5, 2, 1}})
        EXPECT_EQ(board.cell(c, r).gem(), gemForDraw(k)) << c << "," << r;
    EXPECT_EQ(countFilled(board), 24);
    EXPECT_EQ(log.calls, "p c2 r p c2 r p c4 r p c5 r p c5 r");  // each move paused, sounded, shown
}

using LandingTest = GameFixture;

TEST_F(LandingTest, EachBurstGemPausesSoundsAndRepaintsInOrder)
{
    land({"..rr..", "......"}, 2, 0, 3, 0, gemForDraw(4), gemForDraw(1));
    // From (2,0): (2,1) above, then (3,1) right of it; the yellow gem stays and nothing falls.
    EXPECT_EQ(log.calls, "c2 c3 c3 p d2 r p d2 r p d3 r x s0");
    EXPECT_EQ(field().figures, (Figures{20, 1, 2, 1, 2}));
}

TEST_F(LandingTest, ASettledGemSetsOffAComboBurst)
{
    // Red burst of four; the yellow destroyer then settles onto two yellows: a second, smaller burst.
    land({"Y.....", "rrr...", "Ryy..."}, 5, 0, 5, 1, gemForDraw(2), gemForDraw(3));
    EXPECT_EQ(log.of('d'), "0012012");
    EXPECT_EQ(log.of('c'), "5550");  // the landing, then the yellow destroyer settling into column 0
    // 3 x 1 x 10 + 2 x 2 x 10; Current shows the latest burst, Best the largest.
    EXPECT_EQ(field().figures, (Figures{70, 2, 2, 2, 3}));

    // A landing without a burst (a lone destroyer stays) resets Current, keeps score and Best.
    log.musicOff = true;  // and the music's speed is left alone
    land({}, 0, 0, 0, 1, gemForDraw(4), gemForDraw(1));
    EXPECT_EQ(field().figures, (Figures{70, 0, 0, 2, 3}));
    EXPECT_TRUE(log.calls.ends_with(" x"));
}

TEST_F(LandingTest, AFilledLowerSpawnCellLetsTheGameGoOn)
{
    land(std::vector<std::string>(12, "...y.."), 3, 12, 3, 13);  // the next pair overwrites (3, 13)
    EXPECT_TRUE(log.enabled());
}
