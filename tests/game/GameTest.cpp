#include "GameFixture.h"
#include "game/FixedSeedRandom.h"

using namespace quarrix;
using namespace quarrix::test;
using Cells = std::array<int, 4>;  // gem 0 column, row, gem 1 column, row

namespace {

using GameTest = GameFixture;

TEST_F(GameTest, NewGameStartsFreshAndLocksTheSpeed)
{
    EXPECT_TRUE(game.chooseSpeed(6));
    game.newGame();
    EXPECT_FALSE(game.chooseSpeed(0));
    EXPECT_EQ(log.interval(), 250);
    paint(board(), {"rygb.r"});
    field().figures = Figures{500, 3, 4, 5, 6};
    log.values = {0.6F, 0.3F, 0.99F, 0.5F};  // lower gem from u*8, upper from u*4, then the preview
    game.newGame();
    EXPECT_TRUE(log.enabled() && pair().PairActive);
    EXPECT_EQ(field().figures, Figures{});
    EXPECT_EQ(pairCells(), (Cells{3, 13, 3, 14}));
    EXPECT_EQ(countFilled(board()), 2);
    EXPECT_TRUE(board().cell(3, 14).gem() == gemForDraw(1) && board().cell(3, 13).gem() == gemForDraw(4));
    EXPECT_TRUE(field().next.lower == gemForDraw(7) && field().next.upper == gemForDraw(2));
    log.on = false;                     // as game over does
    EXPECT_FALSE(game.chooseSpeed(7));  // no such item
    EXPECT_TRUE(game.chooseSpeed(5) && log.interval() == 500 && game.speed().checkedItem() == 5);
}

TEST(PairSequence, IsTheSameEveryRunWithHalfDestroyers)
{
    FixedSeedRandom first, second;
    int destroyers = 0;
    for (int i = 0; i < 2000; ++i) {
        const float u = first.next();
        ASSERT_TRUE(u == second.next() && u >= 0.0F && u < 1.0F) << u;
        destroyers += static_cast<int>(u * 8) >= 4 ? 1 : 0;
    }
    EXPECT_NEAR(destroyers, 1000, 100);
}

// A sound per stopped gem, gem 0 first, then the landing sound at the larger column; a pair
// that cannot fall lands whole, one that half rests splits and its free gem falls on silently.
TEST_F(GameTest, DropTicksStopSplitAndLandPairs)
{
    // what, the pair's cells, the row of a gem under gem 0 (or -1), the sounds, the cells after (row 13: dealt anew)
    const std::tuple<const char*, Cells, int, std::string, Cells> cases[] = {
        {"upright on the floor", {4, 1, 4, 0}, -1, "444", {3, 13, 3, 14}},
        {"flat on the floor", {4, 0, 3, 0}, -1, "434", {3, 13, 3, 14}},
        {"upright on a stack", {1, 3, 1, 4}, 2, "111", {3, 13, 3, 14}},
        {"only rows compared", {2, 5, 3, 6}, 4, "233", {3, 13, 3, 14}},
        {"lower gem moves first", {0, 8, 0, 7}, -1, "", {0, 7, 0, 6}},
        {"flat, half resting", {2, 5, 3, 5}, 4, "2", {2, 5, 3, 4}},
    };
    for (const auto& [what, start, support, sounds, after] : cases) {
        startWithPair(start[0], start[1], start[2], start[3]);
        if (support >= 0)
            board().place(start[0], support, gemForDraw(2));
        const int before = countFilled(board());
        game.tick();
        EXPECT_EQ(log.of('c'), sounds) << what;
        EXPECT_EQ(pairCells(), after) << what;
        EXPECT_EQ(countFilled(board()), before + (after[1] == 13 ? 2 : 0)) << what;  // no gem lost or doubled
    }
    // The last pair split: only Down moves it, a drop step; its free gem falls alone, silent until it lands.
    for (const Command move : {Command::Left, Command::Turn, Command::Right, Command::Accept, Command::Down})
        game.command(move);
    EXPECT_EQ(pairCells(), (Cells{2, 5, 3, 3}));
    for (int i = 0; i < 4; ++i)
        game.tick();
    EXPECT_EQ(log.of('c'), "23");
    EXPECT_TRUE(pairCells() == (Cells{3, 13, 3, 14}) && pair().PairActive);
}

TEST_F(GameTest, GameOverStopsTheTimerBeforeTheMessage)
{
    log.setInterval(500);
    land(std::vector<std::string>(13, "...r.."), 3, 13, 3, 14);
    EXPECT_EQ(log.calls, "c3 c3 c3 g =0,0,0,500 x s14");
    EXPECT_TRUE(!log.enabled() && pair().PairActive);  // the last pair still answers the arrows
    log.calls.clear();
    game.command(Command::Down);  // but not Down, with the timer off
    EXPECT_EQ(log.calls, "");
}

// Shifts need free cells beside the pair; gem 0 turns a quarter counterclockwise around gem 1,
// else the half turn, else clockwise, skipping cells off the board.
TEST_F(GameTest, ShiftsAndTurnsStopAtWallsFloorTopAndFilledCells)
{
    // key, the pair's cells, the cells filled around it, the pair's cells after
    const std::tuple<Command, Cells, std::vector<std::pair<int, int>>, Cells> moves[] = {
        {Command::Left, {0, 5, 0, 6}, {}, {0, 5, 0, 6}},             // vertical at the wall
        {Command::Right, {2, 5, 2, 6}, {}, {3, 5, 3, 6}},            // vertical, free
        {Command::Right, {2, 5, 2, 6}, {{3, 6}}, {2, 5, 2, 6}},      // needs both side cells
        {Command::Right, {5, 5, 4, 5}, {}, {5, 5, 4, 5}},            // horizontal, gem 0 at the wall
        {Command::Right, {2, 5, 3, 5}, {{4, 5}}, {2, 5, 3, 5}},      // horizontal, a filled cell
        {Command::Right, {2, 7, 3, 7}, {}, {3, 7, 4, 7}},            // gem 1 leads: moved first, the order kept
        {Command::Turn, {3, 13, 3, 14}, {}, {4, 14, 3, 14}},         // below -> right
        {Command::Turn, {3, 7, 2, 7}, {}, {2, 8, 2, 7}},             // right -> above
        {Command::Turn, {2, 8, 2, 7}, {}, {1, 7, 2, 7}},             // above -> left
        {Command::Turn, {1, 7, 2, 7}, {}, {2, 6, 2, 7}},             // left -> below
        {Command::Turn, {3, 13, 3, 14}, {{4, 14}}, {2, 14, 3, 14}},  // half turn needs row 15: left
        {Command::Turn, {3, 13, 3, 14}, {{4, 14}, {2, 14}}, {3, 13, 3, 14}},  // nowhere to go
        {Command::Turn, {1, 0, 2, 0}, {}, {3, 0, 2, 0}},                      // below is off the board: half turn
        {Command::Turn, {1, 0, 2, 0}, {{3, 0}}, {2, 1, 2, 0}},                // ... taken: above
        {Command::Turn, {4, 3, 5, 3}, {{5, 2}}, {5, 4, 5, 3}},                // below taken, half turn off: above
    };
    for (const auto& [key, start, blocked, end] : moves) {
        SCOPED_TRACE(testing::Message() << "move " << static_cast<int>(key) << " at " << start[0] << "," << start[1]);
        startWithPair(start[0], start[1], start[2], start[3]);
        for (const auto& [c, r] : blocked)
            board().place(c, r, gemForDraw(2));
        game.command(key);
        EXPECT_EQ(pairCells(), end);
        // Each gem arrives as itself and leaves nothing behind.
        EXPECT_TRUE(board().cell(end[0], end[1]).gem() == gemForDraw(0) &&
                    board().cell(end[2], end[3]).gem() == gemForDraw(1));
        EXPECT_EQ(countFilled(board()), 2 + static_cast<int>(blocked.size()));
    }
}

}  // namespace
