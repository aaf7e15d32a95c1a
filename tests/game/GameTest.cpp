#include "GameFixture.h"
#include "game/FixedSeedRandom.h"

using namespace quarrix;
using namespace quarrix::test;

namespace {

using GameTest = GameFixture;
using DropTickTest = GameFixture;

TEST_F(GameTest, NewGameDealsTwoPairsInDrawOrderClearsFiguresKeepsSpeed)
{
    timer.setInterval(500);
    game.newGame();  // a game in progress, with gems and figures
    paint(board(), {"rygb.r"});
    field().figures = Figures{500, 3, 4, 5, 6};
    // Lower gem from u*8, upper from u*4, then the preview the same way.
    random.values = {0.6F, 0.3F, 0.99F, 0.5F};
    game.newGame();
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 500);
    EXPECT_EQ(field().figures, Figures{});
    EXPECT_EQ(countFilled(board()), 2);
    expectPairAt(3, 13, 3, 14);
    EXPECT_TRUE(pair().PairActive);
    EXPECT_EQ(board().cell(3, 13).gem(), (Gem{ShapeCode::Destroyer, GemColors::Red}));
    EXPECT_EQ(board().cell(3, 14).gem(), (Gem{ShapeCode::Normal, GemColors::Yellow}));
    EXPECT_EQ(field().next.lower, (Gem{ShapeCode::Destroyer, GemColors::Blue}));
    EXPECT_EQ(field().next.upper, (Gem{ShapeCode::Normal, GemColors::Green}));
}

TEST_F(GameTest, SpeedItemsWorkOnlyWhileTheTimerIsOff)
{
    EXPECT_TRUE(game.chooseSpeed(6));
    EXPECT_EQ(timer.interval(), 250);
    game.newGame();
    EXPECT_FALSE(game.chooseSpeed(0));
    EXPECT_EQ(timer.interval(), 250);
    EXPECT_EQ(game.speed().checkedItem(), 6);

    timer.on = false;  // as game over does
    EXPECT_TRUE(game.chooseSpeed(5));
    EXPECT_EQ(timer.interval(), 500);
    EXPECT_EQ(game.speed().checkedItem(), 5);
    EXPECT_FALSE(game.chooseSpeed(7));  // no such item
}

TEST(PairSequence, FixedStartGivesTheSameSequenceInRangeWithHalfTheLowerGemsDestroyers)
{
    FixedSeedRandom first;
    FixedSeedRandom second;
    int destroyersBelow = 0;
    for (int i = 0; i < 4000; ++i) {
        const float u = first.next();
        ASSERT_EQ(u, second.next());
        ASSERT_GE(u, 0.0F);
        ASSERT_LT(u, 1.0F);
        destroyersBelow += i % 2 == 0 && static_cast<int>(u * 8) >= 4 ? 1 : 0;
    }
    EXPECT_GT(destroyersBelow, 900);
    EXPECT_LT(destroyersBelow, 1100);
}

TEST_F(DropTickTest, NewPairFallsThirteenRowsSilentlyThenLands)
{
    game.newGame();
    log.events.clear();
    for (int i = 0; i < 13; ++i) {
        game.tick();
    }
    expectPairAt(3, 0, 3, 1);
    EXPECT_TRUE(log.events.empty());

    game.tick();
    // Gem 0 touches the floor and gem 1 stops with it, the landing sound, the resolution, a new pair.
    EXPECT_EQ(log.events, (Events{"collide 3", "collide 3", "collide 3", "cleanup", "speed 1"}));
    EXPECT_TRUE(board().filled(3, 0) && board().filled(3, 1));
    expectPairAt(3, 13, 3, 14);
}

// Pairs that cannot fall: a sound per stopped gem, gem 0 first, then the landing sound at the
// larger column; the pair lands whole at once and the next one is dealt.
TEST_F(DropTickTest, BlockedPairsLandWholeWithTheirSounds)
{
    struct Case {
        int c0, r0, c1, r1;
        int supportRow;  // a gem under gem 0, or -1
        Events collisions;
    };
    const Case cases[] = {
        {4, 1, 4, 0, -1, {"collide 4", "collide 4", "collide 4"}},  // upright, gem 1 on the floor
        {4, 0, 3, 0, -1, {"collide 4", "collide 3", "collide 4"}},  // flat on the floor
        {1, 3, 1, 4, 2, {"collide 1", "collide 1", "collide 1"}},   // upright on a stack never splits
        {2, 5, 3, 6, 4, {"collide 2", "collide 3", "collide 3"}},   // only rows compared: one row up stops too
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(testing::Message() << "gem 0 at " << t.c0 << "," << t.r0);
        startWithPair(t.c0, t.r0, t.c1, t.r1);
        if (t.supportRow >= 0) {
            board().place(t.c0, t.supportRow, gemForDraw(2));
        }
        game.tick();
        EXPECT_EQ(log.only("collide"), t.collisions);
        EXPECT_TRUE(board().filled(t.c0, t.r0) && board().filled(t.c1, t.r1));
        EXPECT_EQ(pair().GemRow[0], 13);
    }
}

TEST_F(DropTickTest, FlatPairSplitsAndTheFreeGemFallsAlone)
{
    startWithPair(2, 5, 3, 5);
    board().place(2, 4, gemForDraw(2));
    game.tick();
    EXPECT_EQ(log.events, (Events{"collide 2"}));
    EXPECT_FALSE(pair().PairActive);
    expectPairAt(2, 5, 3, 4);
    EXPECT_FALSE(board().filled(3, 5));

    log.events.clear();
    for (int i = 0; i < 4; ++i) {
        game.tick();
    }
    EXPECT_TRUE(log.events.empty());  // no sound of its own on the way down or at the floor
    expectPairAt(2, 5, 3, 0);

    game.tick();
    EXPECT_EQ(log.only("collide"), (Events{"collide 3"}));
    EXPECT_EQ(pair().GemRow[0], 13);
}

TEST_F(DropTickTest, LowerGemMovesFirstSoTheUpperDoesNotOverwriteIt)
{
    startWithPair(0, 8, 0, 7);
    game.tick();
    expectPairAt(0, 7, 0, 6);
    EXPECT_EQ(board().cell(0, 6).gem(), gemForDraw(1));
    EXPECT_FALSE(board().filled(0, 8));
}

TEST_F(DropTickTest, GameOverStopsTimerRanksAndStillDealsTheNextPair)
{
    startWithPair(3, 13, 3, 14);
    paint(board(), std::vector<std::string>(13, "...r.."));
    timer.setInterval(500);
    game.tick();
    EXPECT_FALSE(log.timerOnAtMessage);
    EXPECT_EQ(log.events,
              (Events{"collide 3", "collide 3", "collide 3", "gameover", "rank 0 0 0 500", "cleanup", "speed 14"}));
    EXPECT_FALSE(timer.enabled());
    EXPECT_TRUE(pair().PairActive);  // the last pair still answers the keys
    log.events.clear();
    game.keyDown(KeyDown);  // but Down does nothing with the timer off
    EXPECT_TRUE(log.events.empty());
}

struct Move {
    int key;
    int c0, r0, c1, r1;
    std::vector<std::pair<int, int>> blocked;
    int endC0, endR0, endC1, endR1;
};

class PairControlsTest : public GameFixture {
protected:
    void run(const std::vector<Move>& moves)
    {
        for (const Move& m : moves) {
            SCOPED_TRACE(testing::Message() << "key " << m.key << " at " << m.c0 << "," << m.r0);
            startWithPair(m.c0, m.r0, m.c1, m.r1);
            for (const auto& [c, r] : m.blocked) {
                board().place(c, r, gemForDraw(2));
            }
            game.keyDown(m.key);
            expectPairAt(m.endC0, m.endR0, m.endC1, m.endR1);
            // Each gem arrives as itself and leaves nothing behind.
            EXPECT_EQ(board().cell(m.endC0, m.endR0).gem(), gemForDraw(0));
            EXPECT_EQ(board().cell(m.endC1, m.endR1).gem(), gemForDraw(1));
            EXPECT_EQ(countFilled(board()), 2 + static_cast<int>(m.blocked.size()));
        }
    }
};

TEST_F(PairControlsTest, ShiftsStopAtWallsAndFilledCells)
{
    run({
        {KeyLeft, 0, 5, 0, 6, {}, 0, 5, 0, 6},         // vertical at the wall
        {KeyRight, 2, 5, 2, 6, {}, 3, 5, 3, 6},        // vertical, free
        {KeyRight, 2, 5, 2, 6, {{3, 6}}, 2, 5, 2, 6},  // needs both side cells
        {KeyLeft, 2, 5, 2, 6, {{1, 5}}, 2, 5, 2, 6},   // ... on either side
        {KeyLeft, 1, 5, 0, 5, {}, 1, 5, 0, 5},         // horizontal, gem 1 at the wall
        {KeyRight, 5, 5, 4, 5, {}, 5, 5, 4, 5},        // horizontal, gem 0 at the wall
        {KeyRight, 2, 5, 3, 5, {{4, 5}}, 2, 5, 3, 5},  // horizontal, a filled cell
        {KeyLeft, 2, 7, 3, 7, {}, 1, 7, 2, 7},         // the order kept whichever gem leads
        {KeyLeft, 3, 7, 2, 7, {}, 2, 7, 1, 7},
        {KeyRight, 2, 7, 3, 7, {}, 3, 7, 4, 7},
        {KeyRight, 3, 7, 2, 7, {}, 4, 7, 3, 7},
    });
}

// Gem 0 turns a quarter counterclockwise around gem 1, else the half turn, else clockwise;
// cells off the board are skipped without looking at the board.
TEST_F(PairControlsTest, TurnFallbacksOnFloorWallsTopAndFilledCells)
{
    run({
        {KeyUp, 3, 13, 3, 14, {}, 4, 14, 3, 14},                  // below -> right
        {KeyUp, 3, 7, 2, 7, {}, 2, 8, 2, 7},                      // right -> above
        {KeyUp, 2, 8, 2, 7, {}, 1, 7, 2, 7},                      // above -> left
        {KeyUp, 1, 7, 2, 7, {}, 2, 6, 2, 7},                      // left -> below
        {KeyUp, 3, 13, 3, 14, {{4, 14}}, 2, 14, 3, 14},           // half turn needs row 15: to the left
        {KeyUp, 3, 13, 3, 14, {{4, 14}, {2, 14}}, 3, 13, 3, 14},  // nowhere to go
        {KeyUp, 1, 0, 2, 0, {}, 3, 0, 2, 0},                      // flat on the floor: below is off, half turn
        {KeyUp, 1, 0, 2, 0, {{3, 0}}, 2, 1, 2, 0},                // ... and with the right taken, above
        {KeyUp, 4, 14, 3, 14, {}, 2, 14, 3, 14},                  // right of gem 1 in the top row
        {KeyUp, 0, 5, 0, 4, {}, 0, 3, 0, 4},                      // above, at the left wall: below
        {KeyUp, 0, 1, 0, 0, {}, 1, 0, 0, 0},                      // above, wall and floor: right
        {KeyUp, 5, 6, 5, 7, {}, 5, 8, 5, 7},                      // below, at the right wall: above
        {KeyUp, 4, 3, 5, 3, {{5, 2}}, 5, 4, 5, 3},                // left, below taken, half turn off: above
    });
}

TEST_F(PairControlsTest, KeysDoNothingBeforeTheFirstGameAndOnlyDownActsOnAnInactivePair)
{
    for (const int key : {KeyLeft, KeyUp, KeyRight, KeyDown}) {
        game.keyDown(key);
    }
    EXPECT_EQ(countFilled(board()), 0);
    EXPECT_TRUE(log.events.empty());

    startWithPair(2, 5, 2, 6);
    for (const int code : {0, 13, 32, 65, 36, 41, 0x70, 0xFFFF, -1}) {
        game.keyDown(code);
    }
    timer.on = false;
    game.keyDown(KeyDown);  // Down needs the timer
    expectPairAt(2, 5, 2, 6);
    EXPECT_TRUE(log.events.empty());

    timer.on = true;
    pair().PairActive = false;
    for (const int key : {KeyLeft, KeyUp, KeyRight}) {
        game.keyDown(key);
    }
    expectPairAt(2, 5, 2, 6);
    game.keyDown(KeyDown);  // still a drop step
    expectPairAt(2, 4, 2, 5);
}

}  // namespace
