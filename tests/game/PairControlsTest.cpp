#include "GameFixture.h"

using namespace quarrix;
using quarrix::test::GameFixture;

class PairControlsTest : public GameFixture {};

// Gem 0 tries a quarter turn counterclockwise around gem 1, then the half turn, then clockwise;
// cells off the board are skipped without looking at the board.
TEST_F(PairControlsTest, TurnFallbacksOnFloorWallsTopAndFilledCells)
{
    struct Case {
        int c0, r0, c1, r1;
        std::vector<std::pair<int, int>> blocked;
        int endC0, endR0;
    };
    const std::vector<Case> cases{
        {3, 13, 3, 14, {}, 4, 14},                  // a new pair turns to the right
        {3, 13, 3, 14, {{4, 14}}, 2, 14},           // half turn needs row 15: to the left
        {3, 13, 3, 14, {{4, 14}, {2, 14}}, 3, 13},  // nowhere to go
        {1, 0, 2, 0, {}, 3, 0},                     // flat on the floor: below is off, half turn
        {1, 0, 2, 0, {{3, 0}}, 2, 1},               // ... and with the right taken, above
        {4, 14, 3, 14, {}, 2, 14},                  // right of gem 1 in the top row: above is off
        {0, 5, 0, 4, {}, 0, 3},                     // above, at the left wall: below
        {0, 1, 0, 0, {}, 1, 0},                     // above, wall and floor: right
        {5, 6, 5, 7, {}, 5, 8},                     // below, at the right wall: above
        {4, 3, 5, 3, {{5, 2}}, 5, 4},               // left, below taken, half turn off: above
    };
    for (const Case& t : cases) {
        startWithPair(t.c0, t.r0, t.c1, t.r1);
        for (const auto& [c, r] : t.blocked) {
            board().place(c, r, gemForDraw(0));
        }
        game.keyDown(KeyUp);
        SCOPED_TRACE(testing::Message() << "pair at " << t.c0 << "," << t.r0);
        expectPairAt(t.endC0, t.endR0, t.c1, t.r1);
    }
}

TEST_F(PairControlsTest, FourTurnsGoCounterclockwiseAroundGem1)
{
    startWithPair(2, 6, 2, 7);
    for (const auto& [c, r] : {std::pair{3, 7}, {2, 8}, {1, 7}, {2, 6}}) {
        game.keyDown(KeyUp);
        expectPairAt(c, r, 2, 7);
    }
    EXPECT_EQ(test::countFilled(board()), 2);
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
