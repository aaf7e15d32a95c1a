#include "GameFixture.h"
#include "game/Settler.h"

using namespace quarrix;
using namespace quarrix::test;

class SettlerTest : public GameFixture {
protected:
    Settler settler{log, log};
};

TEST_F(SettlerTest, GemsDropStraightToTheirFinalRowsLowestFirstAndPackedColumnsCostNothing)
{
    paint(board(), std::vector<std::string>(Board::Rows, "r....."));  // full
    paint(board(), {"r.y...", "r.b...", "r.....", "r..g..", "r.rg.."});
    settler.fallGems(board());
    EXPECT_EQ(picture(board(), 5), (Events{"r.....", "r.....", "r.y...", "r.bg..", "r.rg.."}));
    EXPECT_EQ(countFilled(board()), 20);
    EXPECT_EQ(log.events, (Events{"pause 75", "collide 2", "repaint", "pause 75", "collide 2", "repaint"}));
}

TEST_F(SettlerTest, ColumnsSettleLeftToRightAndAGemFromTheTopFallsInOneMove)
{
    board().place(0, 14, gemForDraw(0));
    paint(board(), {".....y", ".....y", "......", ".....b"});
    settler.fallGems(board());
    EXPECT_EQ(log.only("collide"), (Events{"collide 0", "collide 5", "collide 5"}));
    EXPECT_EQ(log.only("pause").size(), 3U);  // one move per gem
    EXPECT_EQ(picture(board(), 3), (Events{".....y", ".....y", "r....b"}));
    EXPECT_EQ(countFilled(board()), 4);
}

// Lands a pair that is already resting: one tick finds both gems blocked.
class LandingTest : public GameFixture {
protected:
    void landPairOn(const std::vector<std::string>& stack, int c0, int r0, int c1, int r1, Gem g0 = gemForDraw(0),
                    Gem g1 = gemForDraw(1))
    {
        startWithPair(c0, r0, c1, r1, g0, g1);
        paint(board(), stack);
        game.tick();
    }
};

TEST_F(LandingTest, EachRemovedGemPausesSoundsAndRepaints)
{
    landPairOn({"..rr..", "......"}, 2, 0, 3, 0, gemForDraw(4), gemForDraw(1));
    // Fill from (2,0): (2,1) above, then (3,1) right of it. The yellow gem stays and nothing falls.
    const Events expected{"collide 2", "collide 3", "collide 3",  // touch-down and landing
                          "pause 75",  "destroy 2", "repaint",    // the destroyer gem
                          "pause 75",  "destroy 2", "repaint",    // (2, 1)
                          "pause 75",  "destroy 3", "repaint",    // (3, 1)
                          "cleanup",   "speed 0"};
    EXPECT_EQ(log.events, expected);
    EXPECT_EQ(field().figures, (Figures{20, 1, 2, 1, 2}));
}

TEST_F(LandingTest, SettlingCanSetOffANextBurstCountedAsCombo)
{
    // Red burst of four; the yellow destroyer then settles onto two yellows: a second, smaller burst.
    landPairOn({"Y.....", "rrr...", "Ryy..."}, 5, 0, 5, 1, gemForDraw(2), gemForDraw(3));
    const Events expected{"collide 5", "collide 5", "collide 5", "pause 75",  "destroy 0", "repaint",  "pause 75",
                          "destroy 0", "repaint",   "pause 75",  "destroy 1", "repaint",   "pause 75", "destroy 2",
                          "repaint",   "pause 75",  "collide 0", "repaint",  // the yellow destroyer settles to (0, 0)
                          "pause 75",  "destroy 0", "repaint",   "pause 75",  "destroy 1", "repaint",  "pause 75",
                          "destroy 2", "repaint",   "cleanup",   "speed 1"};
    EXPECT_EQ(log.events, expected);
    // 3 x 1 x 10 + 2 x 2 x 10; Current shows the latest burst, Best the largest.
    EXPECT_EQ(field().figures, (Figures{70, 2, 2, 2, 3}));
}

TEST_F(LandingTest, GroupsBurstInScanOrderAndBestFiguresCarryOver)
{
    // Column 1's group (chain 2) comes before column 3's (chain 1) in the scan.
    landPairOn({".b....", ".b.g..", ".B.G.."}, 5, 0, 5, 1);
    EXPECT_EQ(field().figures, (Figures{20 + 20, 2, 1, 2, 2}));
    // A later landing without a burst (a lone destroyer stays) resets Current, keeps score and Best.
    landPairOn({}, 0, 0, 0, 1, gemForDraw(4), gemForDraw(1));
    EXPECT_EQ(field().figures, (Figures{40, 0, 0, 2, 2}));
    EXPECT_TRUE(board().filled(0, 0));
}

TEST_F(LandingTest, GameOverAfterBurstsRanksTheCountedFigures)
{
    std::vector<std::string> stack(13, "...y..");
    stack.back() = "Rr.y..";
    timer.setInterval(250);
    landPairOn(stack, 3, 13, 3, 14);
    EXPECT_EQ(log.only("rank"), (Events{"rank 10 1 1 250"}));
    EXPECT_EQ(log.events.back(), "speed 14");
    EXPECT_FALSE(timer.enabled());
}

TEST_F(LandingTest, LowerSpawnCellFilledIsNotGameOver)
{
    // The pair lands on (3, 12) and (3, 13); the next pair overwrites (3, 13) and the game goes on.
    landPairOn(std::vector<std::string>(12, "...y.."), 3, 12, 3, 13);
    EXPECT_TRUE(log.only("gameover").empty());
    EXPECT_TRUE(timer.enabled());
    expectPairAt(3, 13, 3, 14);
}

TEST_F(LandingTest, MusicSpeedIsTheHighestRowUnlessDisabledOrTheBoardIsEmpty)
{
    log.musicOff = true;
    landPairOn({}, 0, 0, 0, 1);
    EXPECT_TRUE(log.only("speed").empty());
    EXPECT_EQ(log.events.back(), "cleanup");

    log.musicOff = false;
    landPairOn({}, 1, 0, 2, 0, gemForDraw(4), gemForDraw(0));
    EXPECT_TRUE(log.only("speed").empty());  // the burst emptied the board
    EXPECT_EQ(log.events.back(), "cleanup");

    landPairOn(std::vector<std::string>(10, "g....."), 5, 0, 5, 1);
    EXPECT_EQ(log.events.back(), "speed 9");
}
