#include "GameFixture.h"

using namespace quarrix;
using Events = std::vector<std::string>;

// Lands a pair that is already resting: one tick finds both gems blocked.
class LandingTest : public test::GameFixture {
protected:
    void landPairOn(const std::vector<std::string>& stack, int c0, int r0, int c1, int r1, Gem g0, Gem g1)
    {
        startWithPair(c0, r0, c1, r1, g0, g1);
        test::paint(board(), stack);
        log.clear();
        game.tick();
    }
    const Figures& figures() { return field().figures; }
};

TEST_F(LandingTest, LoneDestroyerAmongOtherColoursStays)
{
    landPairOn({"......", "y....."}, 0, 1, 0, 2, Gem{ShapeCode::Destroyer, GemColors::Red}, gemForDraw(3));
    EXPECT_EQ(figures(), Figures{});
    EXPECT_TRUE(board().filled(0, 1));
    EXPECT_TRUE(log.only("destroy").empty());
}

TEST_F(LandingTest, TwoTouchingDestroyersScoreTen)
{
    landPairOn({"......"}, 1, 0, 2, 0, Gem{ShapeCode::Destroyer, GemColors::Red},
               Gem{ShapeCode::Destroyer, GemColors::Red});
    EXPECT_EQ(figures(), (Figures{10, 1, 1, 1, 1}));
    EXPECT_EQ(test::countFilled(board()), 2);  // only the next pair
    EXPECT_EQ(log.only("destroy"), (Events{"destroy 1", "destroy 2"}));
}

TEST_F(LandingTest, RemovalPausesThenSoundsThenRepaintsEachGem)
{
    landPairOn({"......", "..rr..", "......"}, 2, 0, 3, 0, Gem{ShapeCode::Destroyer, GemColors::Red}, gemForDraw(1));
    // Fill from (2,0): (2,1) above, then (3,1) right of it. Then the yellow gem stays and nothing falls.
    const Events expected{"collide 2", "collide 3", "collide 3",  // touch-down and landing
                          "pause 75",  "destroy 2", "repaint",    // the destroyer gem
                          "pause 75",  "destroy 2", "repaint",    // (2, 1)
                          "pause 75",  "destroy 3", "repaint",    // (3, 1)
                          "cleanup",   "speed 0"};
    EXPECT_EQ(log.events, expected);
    EXPECT_EQ(figures(), (Figures{20, 1, 2, 1, 2}));
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
    EXPECT_EQ(figures(), (Figures{70, 2, 2, 2, 3}));
}

TEST_F(LandingTest, SeparateGroupsBurstInScanOrder)
{
    // Column 1's group (chain 2) comes before column 3's (chain 1) in the scan.
    landPairOn({".b....", ".b.g..", ".B.G.."}, 5, 0, 5, 1, gemForDraw(0), gemForDraw(1));
    EXPECT_EQ(figures(), (Figures{20 + 20, 2, 1, 2, 2}));
}

TEST_F(LandingTest, BestFiguresCarryOverAndOnlyGrow)
{
    landPairOn({".b....", ".b.g..", ".B.G.."}, 5, 0, 5, 1, gemForDraw(0), gemForDraw(1));
    // A later landing without a burst resets Current combo and chain, keeps score and best.
    pair().GemCol = {0, 0};
    pair().GemRow = {0, 1};
    board().place(0, 0, gemForDraw(0));
    board().place(0, 1, gemForDraw(0));
    game.tick();
    EXPECT_EQ(figures(), (Figures{40, 0, 0, 2, 2}));
}

TEST_F(LandingTest, GameOverAfterBurstsRanksTheCountedFigures)
{
    startWithPair(3, 13, 3, 14);
    for (int r = 0; r < 13; ++r) {
        board().place(3, r, gemForDraw(1 + r % 3));
    }
    test::paint(board(), {"Rr...."});
    timer.setInterval(250);
    log.clear();
    game.tick();
    EXPECT_EQ(log.only("rank"), (Events{"rank 10 1 1 250"}));
    EXPECT_EQ(log.events.back(), "speed 14");
    EXPECT_FALSE(timer.enabled());
}

TEST_F(LandingTest, SpawnLowerCellFilledIsNotGameOver)
{
    // The pair lands on (3, 12) and (3, 13): the upper spawn cell stays free.
    startWithPair(3, 12, 3, 13);
    for (int r = 0; r < 12; ++r) {
        board().place(3, r, gemForDraw(r % 3));
    }
    game.tick();
    EXPECT_TRUE(log.only("gameover").empty());
    EXPECT_TRUE(timer.enabled());
    // The next pair overwrote (3, 13) and sits on the spawn cells.
    expectPairAt(3, 13, 3, 14);
}

TEST_F(LandingTest, MusicSpeedFollowsStackUnlessDisabledOrEmpty)
{
    sound.musicOff = true;
    landPairOn({"......"}, 0, 0, 0, 1, gemForDraw(0), gemForDraw(1));
    EXPECT_TRUE(log.only("speed").empty());
    EXPECT_EQ(log.only("cleanup").size(), 1U);

    sound.musicOff = false;
    landPairOn({"......"}, 1, 0, 2, 0, Gem{ShapeCode::Destroyer, GemColors::Red},
               Gem{ShapeCode::Normal, GemColors::Red});
    EXPECT_TRUE(log.only("speed").empty());  // the burst emptied the board
    EXPECT_EQ(log.events.back(), "cleanup");

    landPairOn({"g.....", "g.....", "g.....", "g.....", "g.....", "g.....", "g.....", "g.....", "g.....", "g....."}, 5,
               0, 5, 1, gemForDraw(0), gemForDraw(1));
    EXPECT_EQ(log.events.back(), "speed 9");
}
