#include "GameFixture.h"

using namespace quarrix;
using quarrix::test::GameFixture;

class PairControlsTest : public GameFixture {};

TEST_F(PairControlsTest, NewPairTurnsRightThenLeftThenNowhere)
{
    startWithPair(3, 13, 3, 14);
    game.keyDown(KeyUp);
    expectPairAt(4, 14, 3, 14);

    startWithPair(3, 13, 3, 14);
    board().place(4, 14, gemForDraw(2));
    game.keyDown(KeyUp);  // half turn would need row 15: clockwise to the left instead
    expectPairAt(2, 14, 3, 14);

    startWithPair(3, 13, 3, 14);
    board().place(4, 14, gemForDraw(2));
    board().place(2, 14, gemForDraw(2));
    game.keyDown(KeyUp);
    expectPairAt(3, 13, 3, 14);
}

TEST_F(PairControlsTest, FourTurnsGoCounterclockwiseAroundGem1)
{
    startWithPair(2, 6, 2, 7);
    game.keyDown(KeyUp);
    expectPairAt(3, 7, 2, 7);
    game.keyDown(KeyUp);
    expectPairAt(2, 8, 2, 7);
    game.keyDown(KeyUp);
    expectPairAt(1, 7, 2, 7);
    game.keyDown(KeyUp);
    expectPairAt(2, 6, 2, 7);
    EXPECT_EQ(test::countFilled(board()), 2);
}

TEST_F(PairControlsTest, TurnFallbacksOnFloorWallsAndTop)
{
    // Flat in row 0, gem 0 left: below is off the board, so the half turn to the right.
    startWithPair(1, 0, 2, 0);
    game.keyDown(KeyUp);
    expectPairAt(3, 0, 2, 0);

    // Same, with the right blocked: clockwise to above.
    startWithPair(1, 0, 2, 0);
    board().place(3, 0, gemForDraw(0));
    game.keyDown(KeyUp);
    expectPairAt(2, 1, 2, 0);

    // Gem 0 right of gem 1 at the top row: above is off, half turn to the left.
    startWithPair(4, 14, 3, 14);
    game.keyDown(KeyUp);
    expectPairAt(2, 14, 3, 14);

    // Gem 0 above gem 1 against the left wall: left is off, half turn below.
    startWithPair(0, 5, 0, 4);
    game.keyDown(KeyUp);
    expectPairAt(0, 3, 0, 4);

    // Gem 0 above gem 1 at the left wall on the floor: left off, below off, clockwise right.
    startWithPair(0, 1, 0, 0);
    game.keyDown(KeyUp);
    expectPairAt(1, 0, 0, 0);

    // Gem 0 below gem 1 at the right wall: right is off, half turn above.
    startWithPair(5, 6, 5, 7);
    game.keyDown(KeyUp);
    expectPairAt(5, 8, 5, 7);

    // Gem 0 left of gem 1 at column 4 (half turn needs column 6): below taken -> clockwise above.
    startWithPair(4, 3, 5, 3);
    board().place(5, 2, gemForDraw(0));
    game.keyDown(KeyUp);
    expectPairAt(5, 4, 5, 3);
}

TEST_F(PairControlsTest, ShiftsStopAtWallsAndFilledCells)
{
    startWithPair(0, 5, 0, 6);
    game.keyDown(KeyLeft);
    expectPairAt(0, 5, 0, 6);

    // Horizontal with the left gem in column 0, whichever gem it is.
    startWithPair(1, 5, 0, 5);
    game.keyDown(KeyLeft);
    expectPairAt(1, 5, 0, 5);
    startWithPair(5, 5, 4, 5);
    game.keyDown(KeyRight);
    expectPairAt(5, 5, 4, 5);

    // A vertical pair is not shifted when only one side cell is blocked.
    startWithPair(2, 5, 2, 6);
    board().place(3, 6, gemForDraw(0));
    game.keyDown(KeyRight);
    expectPairAt(2, 5, 2, 6);
    board().place(1, 5, gemForDraw(0));
    game.keyDown(KeyLeft);
    expectPairAt(2, 5, 2, 6);
}

TEST_F(PairControlsTest, HorizontalShiftKeepsBothGemsInOrder)
{
    const Gem a{ShapeCode::Destroyer, GemColors::Blue};
    const Gem b{ShapeCode::Normal, GemColors::Yellow};
    for (const bool gem0Left : {true, false}) {
        startWithPair(gem0Left ? 2 : 3, 7, gem0Left ? 3 : 2, 7, a, b);
        game.keyDown(KeyLeft);
        expectPairAt(gem0Left ? 1 : 2, 7, gem0Left ? 2 : 1, 7);
        game.keyDown(KeyRight);
        game.keyDown(KeyRight);
        expectPairAt(gem0Left ? 3 : 4, 7, gem0Left ? 4 : 3, 7);
        EXPECT_EQ(board().cell(pair().GemCol[0], 7).gem(), a);
        EXPECT_EQ(board().cell(pair().GemCol[1], 7).gem(), b);
        EXPECT_EQ(test::countFilled(board()), 2);
    }
}

TEST_F(PairControlsTest, KeysIgnoredWhenPairInactiveButDownStillTicks)
{
    startWithPair(2, 5, 2, 6);
    pair().PairActive = false;
    game.keyDown(KeyLeft);
    game.keyDown(KeyUp);
    game.keyDown(KeyRight);
    expectPairAt(2, 5, 2, 6);
    game.keyDown(KeyDown);
    expectPairAt(2, 4, 2, 5);
}

TEST_F(PairControlsTest, OtherKeysDoNothingAndDownNeedsTheTimer)
{
    startWithPair(2, 5, 2, 6);
    for (const int code : {0, 13, 32, 65, 36, 41, 0x70, 0xFFFF, -1}) {
        game.keyDown(code);
    }
    expectPairAt(2, 5, 2, 6);
    EXPECT_TRUE(log.events.empty());

    timer.setEnabled(false);
    game.keyDown(KeyDown);
    expectPairAt(2, 5, 2, 6);
}

TEST_F(PairControlsTest, BeforeTheFirstGameEveryKeyDoesNothing)
{
    for (const int code : {KeyLeft, KeyUp, KeyRight, KeyDown}) {
        game.keyDown(code);
    }
    EXPECT_EQ(test::countFilled(board()), 0);
    EXPECT_TRUE(log.events.empty());
}
