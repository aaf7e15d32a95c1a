#include "GameFixture.h"
#include "game/FixedSeedRandom.h"

using namespace quarrix;
using namespace quarrix::test;
using Cells = std::array<int, 4>;  // gem 0 column, row, gem 1 column, row

namespace {

using GameTest = GameFixture;

TEST_F(GameTest, NewGameStartsFreshAndLocksTheSpeed)
{
    paint(board(), {"rygb.r"});
    field().figures = Figures{500, 3, 4, 5, 6};
    log.values = {0.6F, 0.3F, 0.99F, 0.5F};  // lower gem from u*8, upper from u*4, then the preview
    game.newGame();
    EXPECT_EQ(field().figures, Figures{});
    EXPECT_EQ(board().cell(3, 13).gem(), gemForDraw(4));
    EXPECT_FALSE(game.chooseSpeed(5));  // not while the timer runs
    log.on = false;                     // as game over does
    EXPECT_TRUE(game.chooseSpeed(5));
    EXPECT_EQ(log.interval(), 500);
}

TEST(PairSequence, StaysBelowOne)
{
    FixedSeedRandom random;
    std::vector<float> drawn(2000);
    std::ranges::generate(drawn, [&random] { return random.next(); });
    EXPECT_LT(std::ranges::max(drawn), 1.0F);
}

// A sound per stopped gem, gem 0 first, then the landing sound at the larger column; a pair
// that cannot fall lands whole, one that half rests splits and its free gem falls on silently.
TEST_F(GameTest, DropTicksStopSplitAndLandPairs)
{
    // what, the pair's cells, the row of a gem under gem 0 (or -1), the sounds, the cells after, gems dealt
    const std::tuple<const char*, Cells, int, std::string, Cells, int> cases[] = {
        {"flat on the floor", {4, 0, 3, 0}, -1, "434", {3, 13, 3, 14}, 2},
        {"only rows compared", {2, 5, 3, 6}, 4, "233", {3, 13, 3, 14}, 2},
        {"lower gem moves first", {0, 8, 0, 7}, -1, "", {0, 7, 0, 6}, 0},
        {"flat, half resting", {2, 5, 3, 5}, 4, "2", {2, 5, 3, 4}, 0},
    };
    for (const auto& [what, start, support, sounds, after, dealt] : cases) {
        SCOPED_TRACE(what);
        startWithPair(start[0], start[1], start[2], start[3]);
        if (support >= 0)
            board().place(start[0], support, gemForDraw(2));
        const int before = countFilled(board());
        game.tick();
        EXPECT_EQ(log.collisions, sounds);
        EXPECT_EQ(pairCells(), after);
        EXPECT_EQ(countFilled(board()), before + dealt);  // no gem lost or doubled
    }
    // The last pair split: only Down moves it, a drop step; its free gem falls alone, silent until it lands.
    for (const Command move : {Command::Left, Command::Turn, Command::Right, Command::Accept, Command::Down})
        game.command(move);
    EXPECT_EQ(pairCells(), (Cells{2, 5, 3, 3}));
    for (int i = 0; i < 4; ++i)
        game.tick();
    EXPECT_EQ(log.collisions, "23");
    EXPECT_EQ(pairCells(), (Cells{3, 13, 3, 14}));
    EXPECT_TRUE(field().pair.PairActive);
}

TEST_F(GameTest, GameOverStopsTheTimerBeforeTheMessage)
{
    startWithPair(3, 12, 3, 13, std::vector<std::string>(12, "...y.."));  // a full lower spawn cell: overwritten
    game.tick();
    EXPECT_TRUE(log.enabled());
    log.setInterval(500);
    startWithPair(3, 13, 3, 14, std::vector<std::string>(13, "...r.."));
    game.tick();
    EXPECT_EQ(log.calls, "c3 c3 c3 g0 =0/500 x s14 ");
    EXPECT_TRUE(field().pair.PairActive);  // the last pair still answers the arrows
    log.calls.clear();
    game.command(Command::Down);  // but not Down, with the timer off
    EXPECT_EQ(log.calls, "");
}

// Shifts need free cells beside the pair; gem 0 turns a quarter counterclockwise around gem 1,
// else the half turn, else clockwise, skipping cells off the board.
TEST_F(GameTest, ShiftsAndTurnsStopAtWallsFloorTopAndFilledCells)
{
    // what, key, the pair's cells, the cells filled around it, the pair's cells after
    const std::tuple<const char*, Command, Cells, std::vector<std::pair<int, int>>, Cells> moves[] = {
        {"vertical, free", Command::Right, {2, 5, 2, 6}, {}, {3, 5, 3, 6}},
        {"needs both side cells", Command::Right, {2, 5, 2, 6}, {{3, 6}}, {2, 5, 2, 6}},
        {"gem 1 leads: moved first", Command::Right, {2, 7, 3, 7}, {}, {3, 7, 4, 7}},
        {"below -> right", Command::Turn, {3, 13, 3, 14}, {}, {4, 14, 3, 14}},
        {"right -> above", Command::Turn, {3, 7, 2, 7}, {}, {2, 8, 2, 7}},
        {"left -> below", Command::Turn, {1, 7, 2, 7}, {}, {2, 6, 2, 7}},
        {"half turn needs row 15: left", Command::Turn, {3, 13, 3, 14}, {{4, 14}}, {2, 14, 3, 14}},
        {"below off the board: half turn", Command::Turn, {1, 0, 2, 0}, {}, {3, 0, 2, 0}},
        {"below taken, half turn off: above", Command::Turn, {4, 3, 5, 3}, {{5, 2}}, {5, 4, 5, 3}},
    };
    for (const auto& [what, key, start, blocked, end] : moves) {
        SCOPED_TRACE(what);
        startWithPair(start[0], start[1], start[2], start[3]);
        for (const auto& [c, r] : blocked)
            board().place(c, r, gemForDraw(2));
        game.command(key);
        EXPECT_EQ(pairCells(), end);
        // Each gem arrives as itself and leaves nothing behind.
        EXPECT_EQ(board().cell(end[0], end[1]).gem(), gemForDraw(0));
        EXPECT_EQ(board().cell(end[2], end[3]).gem(), gemForDraw(1));
        EXPECT_EQ(countFilled(board()), 2 + static_cast<int>(blocked.size()));
    }
}

}  // namespace
