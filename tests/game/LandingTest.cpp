#include "GameFixture.h"
#include "game/Settler.h"

using namespace quarrix;
using namespace quarrix::test;

TEST(Settler, GemsDropToTheirFinalRowsColumnByColumnLowestFirstEachMovePausedSoundedAndShown)
{
    FakeTimer timer;
    Recorder log{timer};
    Board board;
    board.reset();
    paint(board, std::vector<std::string>(Board::Rows, "r....."));  // a full column costs nothing
    paint(board, {"r.y..y", "r.b..y", "r.....", "r..g..", "r.rg.b"});
    board.place(4, 14, gemForDraw(1));  // a gem from the top falls in one move
    Settler{log, log}.fallGems(board);
    EXPECT_EQ(picture(board, 5), (Events{"r.....", "r.....", "r.y..y", "r.bg.y", "r.rgyb"}));
    EXPECT_EQ(countFilled(board), 24);
    EXPECT_EQ(log.columns("collide"), "22455");
    EXPECT_EQ(Events(log.events.begin(), log.events.begin() + 3), (Events{"pause 75", "collide 2", "repaint"}));
    EXPECT_EQ(log.only("pause").size(), 5U);
}

// Lands a pair that is already resting: one tick finds both gems blocked.
class LandingTest : public GameFixture {
protected:
    void land(const std::vector<std::string>& stack, int c0, int r0, int c1, int r1, Gem g0 = gemForDraw(0),
              Gem g1 = gemForDraw(1))
    {
        startWithPair(c0, r0, c1, r1, stack, g0, g1);
        game.tick();
    }
};

TEST_F(LandingTest, EachRemovedGemPausesSoundsAndRepaintsInFloodOrder)
{
    land({"..rr..", "......"}, 2, 0, 3, 0, gemForDraw(4), gemForDraw(1));
    // From (2,0): (2,1) above, then (3,1) right of it; the yellow gem stays and nothing falls.
    const Events expected{"collide 2", "collide 3", "collide 3", "pause 75",  "destroy 2", "repaint", "pause 75",
                          "destroy 2", "repaint",   "pause 75",  "destroy 3", "repaint",   "cleanup", "speed 0"};
    EXPECT_EQ(log.events, expected);
    EXPECT_EQ(field().figures, (Figures{20, 1, 2, 1, 2}));
}

TEST_F(LandingTest, SettlingSetsOffANextBurstCountedAsComboAndBestFiguresCarryOver)
{
    // Red burst of four; the yellow destroyer then settles onto two yellows: a second, smaller burst.
    land({"Y.....", "rrr...", "Ryy..."}, 5, 0, 5, 1, gemForDraw(2), gemForDraw(3));
    EXPECT_EQ(log.only("destroy"),
              (Events{"destroy 0", "destroy 0", "destroy 1", "destroy 2", "destroy 0", "destroy 1", "destroy 2"}));
    EXPECT_EQ(log.only("collide").size(), 4U);  // three for the landing, one for the settling destroyer
    // 3 x 1 x 10 + 2 x 2 x 10; Current shows the latest burst, Best the largest.
    EXPECT_EQ(field().figures, (Figures{70, 2, 2, 2, 3}));

    // A landing without a burst (a lone destroyer stays) resets Current, keeps score and Best.
    land({}, 0, 0, 0, 1, gemForDraw(4), gemForDraw(1));
    EXPECT_EQ(field().figures, (Figures{70, 0, 0, 2, 3}));
}

TEST_F(LandingTest, GroupsBurstInScanOrder)
{
    // Column 1's group (chain 2) comes before column 3's (chain 1) in the scan.
    land({".b....", ".b.g..", ".B.G.."}, 5, 0, 5, 1);
    EXPECT_EQ(log.columns("destroy"), "11133");
    EXPECT_EQ(field().figures, (Figures{20 + 20, 2, 1, 2, 2}));
}

TEST_F(LandingTest, OnlyTheUpperSpawnCellEndsTheGameAndTheCountedFiguresAreRanked)
{
    std::vector<std::string> stack(12, "...y..");
    land(stack, 3, 12, 3, 13);  // the next pair overwrites (3, 13) and the game goes on
    EXPECT_TRUE(log.only("gameover").empty());
    EXPECT_TRUE(timer.enabled());

    stack.push_back("Rr.y..");  // one burst before the end
    timer.setInterval(250);
    land(stack, 3, 13, 3, 14);
    EXPECT_EQ(log.only("rank"), (Events{"rank 10 1 1 250"}));
    EXPECT_FALSE(timer.enabled());
}

TEST_F(LandingTest, MusicSpeedIsTheHighestRowUnlessDisabledOrTheBoardIsEmpty)
{
    log.musicOff = true;
    land({}, 0, 0, 0, 1);
    EXPECT_EQ(log.events.back(), "cleanup");
    log.musicOff = false;
    land({}, 1, 0, 2, 0, gemForDraw(4), gemForDraw(0));  // the burst empties the board
    EXPECT_EQ(log.events.back(), "cleanup");
    land(std::vector<std::string>(10, "g....."), 5, 0, 5, 1);
    EXPECT_EQ(log.events.back(), "speed 9");
}
