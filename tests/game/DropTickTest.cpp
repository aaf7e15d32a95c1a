#include "GameFixture.h"

using namespace quarrix;
using quarrix::test::GameFixture;
using Events = std::vector<std::string>;

class DropTickTest : public GameFixture {};

TEST_F(DropTickTest, NewPairNeedsThirteenMovesThenOneTickToLand)
{
    timer.setInterval(1000);
    game.newGame();
    log.clear();
    for (int i = 0; i < 13; ++i) {
        game.tick();
    }
    expectPairAt(3, 0, 3, 1);
    EXPECT_TRUE(log.events.empty());
    EXPECT_TRUE(pair().PairActive);

    game.tick();
    // Gem 0 on the floor, gem 1 stopped with it; then the landing sound, the resolution, a new pair.
    EXPECT_EQ(log.events, (Events{"collide 3", "collide 3", "collide 3", "cleanup", "speed 1"}));
    EXPECT_TRUE(board().filled(3, 0));
    EXPECT_TRUE(board().filled(3, 1));
    expectPairAt(3, 13, 3, 14);
    EXPECT_TRUE(pair().PairActive);
}

TEST_F(DropTickTest, FlatPairSplitsWhenOneSideIsSupported)
{
    startWithPair(2, 5, 3, 5);
    board().place(2, 4, gemForDraw(2));
    test::paint(board(), {"g....."});  // (0,0) so the stack height is non-trivial
    log.clear();

    game.tick();
    EXPECT_EQ(log.events, (Events{"collide 2"}));
    EXPECT_FALSE(pair().PairActive);
    EXPECT_TRUE(board().filled(3, 4));
    EXPECT_FALSE(board().filled(3, 5));
    EXPECT_EQ(pair().GemRow[1], 4);

    log.clear();
    for (int i = 0; i < 4; ++i) {
        game.tick();  // free gem falls to row 0 without a sound of its own
    }
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(pair().GemRow[1], 0);

    game.tick();
    EXPECT_EQ(log.events.front(), "collide 3");
    EXPECT_EQ(log.only("collide").size(), 1U);
    EXPECT_EQ(pair().GemRow[0], 13);  // next pair placed
}

TEST_F(DropTickTest, UprightPairWithGem1BelowLandsWithThreeSounds)
{
    startWithPair(4, 1, 4, 0);
    game.tick();
    const Events collisions = log.only("collide");
    EXPECT_EQ(collisions, (Events{"collide 4", "collide 4", "collide 4"}));
    EXPECT_TRUE(board().filled(4, 0));
    EXPECT_TRUE(board().filled(4, 1));
}

TEST_F(DropTickTest, FlatPairOnTheFloorSoundsEachGemThenTheLargerColumn)
{
    startWithPair(4, 0, 3, 0);
    game.tick();
    EXPECT_EQ(log.only("collide"), (Events{"collide 4", "collide 3", "collide 4"}));
}

TEST_F(DropTickTest, UprightPairNeverSplitsOnAStack)
{
    startWithPair(1, 3, 1, 4);
    board().place(1, 2, gemForDraw(0));
    game.tick();
    EXPECT_EQ(log.only("collide").size(), 3U);
    EXPECT_TRUE(board().filled(1, 3));
    EXPECT_TRUE(board().filled(1, 4));
}

TEST_F(DropTickTest, RowsOnlyComparisonStopsADiagonalPartner)
{
    // Gem 0 blocked by the stack; gem 1 sits one row higher in another column and stops too.
    startWithPair(2, 5, 3, 6);
    board().place(2, 4, gemForDraw(0));
    log.clear();
    game.tick();
    EXPECT_EQ(pair().GemRow[0], 13);  // landed at once: both blocked, next pair dealt
    EXPECT_EQ(log.only("collide").size(), 3U);
    EXPECT_TRUE(board().filled(3, 6));
}

TEST_F(DropTickTest, BothFreeMovesLowerGemFirst)
{
    startWithPair(0, 8, 0, 7, gemForDraw(4), gemForDraw(1));
    game.tick();
    expectPairAt(0, 7, 0, 6);
    EXPECT_EQ(board().cell(0, 7).GemShape, ShapeCode::Destroyer);
    EXPECT_EQ(board().cell(0, 6).GemColor, GemColors::Yellow);
    EXPECT_FALSE(board().filled(0, 8));
}

TEST_F(DropTickTest, GameOverStopsTimerRanksAndStillDealsTheNextPair)
{
    startWithPair(3, 13, 3, 14);
    for (int r = 0; r < 13; ++r) {
        board().place(3, r, gemForDraw(r % 2));
    }
    timer.setInterval(500);
    game.tick();
    EXPECT_FALSE(timer.enabled());
    EXPECT_FALSE(gameOver.timerOnAtMessage);
    EXPECT_EQ(log.events,
              (Events{"collide 3", "collide 3", "collide 3", "gameover", "rank 0 0 0 500", "cleanup", "speed 14"}));
    EXPECT_TRUE(pair().PairActive);  // the last pair still answers the keys
    game.keyDown(KeyDown);           // but Down does nothing with the timer off
    expectPairAt(3, 13, 3, 14);
}
