#include "GameFixture.h"
#include "game/Settler.h"

using namespace quarrix;
using Events = std::vector<std::string>;

class SettlerTest : public test::GameFixture {
protected:
    Settler settler{sound, animation};
};

TEST_F(SettlerTest, GemsDropStraightToTheirFinalRowsLowestFirst)
{
    test::paint(board(), {"..y...", "..b...", "......", "......", "..r..."});
    settler.fallGems(board());
    EXPECT_EQ(test::picture(board(), 5), (std::vector<std::string>{"......", "......", "..y...", "..b...", "..r..."}));
    EXPECT_EQ(log.events, (Events{"pause 75", "collide 2", "repaint", "pause 75", "collide 2", "repaint"}));
}

TEST_F(SettlerTest, TopGemFallsAllTheWayInOneMove)
{
    board().place(4, 14, gemForDraw(3));
    settler.fallGems(board());
    EXPECT_TRUE(board().filled(4, 0));
    EXPECT_EQ(test::countFilled(board()), 1);
    EXPECT_EQ(log.only("pause").size(), 1U);
}

TEST_F(SettlerTest, PackedEmptyAndFullColumnsCostNothing)
{
    for (int r = 0; r < Board::Rows; ++r) {
        board().place(0, r, gemForDraw(r % 4));
    }
    test::paint(board(), {"..g...", "..g..."});
    settler.fallGems(board());
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(test::countFilled(board()), 17);
}

TEST_F(SettlerTest, ColumnsSettleLeftToRight)
{
    test::paint(board(), {"r....y", ".....y", "......", ".....b"});
    settler.fallGems(board());
    EXPECT_EQ(log.only("collide"), (Events{"collide 0", "collide 5", "collide 5"}));
    EXPECT_EQ(test::picture(board(), 3), (std::vector<std::string>{".....y", ".....y", "r....b"}));
}
