#include "GameFixture.h"
#include "game/FixedSeedRandom.h"

using namespace quarrix;

class GameTest : public test::GameFixture {};

TEST_F(GameTest, NewGameDealsTwoPairsAndStartsTheTimer)
{
    // Lower gem from u*8, upper from u*4: 0.6 -> k 4 (red destroyer), 0.3 -> k 1 (yellow);
    // then the preview: 0.99 -> k 7 (blue destroyer), 0.5 -> k 2 (green).
    random.values = {0.6F, 0.3F, 0.99F, 0.5F};
    game.newGame();
    EXPECT_TRUE(timer.enabled());
    expectPairAt(3, 13, 3, 14);
    EXPECT_EQ(board().cell(3, 13).gem(), (Gem{ShapeCode::Destroyer, GemColors::Red}));
    EXPECT_EQ(board().cell(3, 14).gem(), (Gem{ShapeCode::Normal, GemColors::Yellow}));
    EXPECT_EQ(field().next.lower, (Gem{ShapeCode::Destroyer, GemColors::Blue}));
    EXPECT_EQ(field().next.upper, (Gem{ShapeCode::Normal, GemColors::Green}));
    EXPECT_TRUE(pair().PairActive);
    EXPECT_EQ(test::countFilled(board()), 2);
}

TEST_F(GameTest, NewGameDuringPlayClearsBoardAndFiguresKeepsSpeed)
{
    timer.setInterval(500);
    game.newGame();
    test::paint(board(), {"rygb.r"});
    field().figures = Figures{500, 3, 4, 5, 6};
    game.newGame();
    EXPECT_EQ(field().figures, Figures{});
    EXPECT_EQ(test::countFilled(board()), 2);
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 500);
}

TEST_F(GameTest, SpeedItemsWorkOnlyWhileTheTimerIsOff)
{
    EXPECT_EQ(game.speed().checkedItem(), SpeedSetting::NormalItem);
    EXPECT_TRUE(game.chooseSpeed(6));
    EXPECT_EQ(timer.interval(), 250);
    EXPECT_FALSE(timer.enabled());

    game.newGame();
    EXPECT_FALSE(game.chooseSpeed(0));
    EXPECT_EQ(timer.interval(), 250);
    EXPECT_EQ(game.speed().checkedItem(), 6);

    timer.setEnabled(false);  // as game over does
    EXPECT_TRUE(game.chooseSpeed(5));
    EXPECT_TRUE(game.chooseSpeed(5));
    EXPECT_EQ(game.speed().checkedItem(), 5);
    EXPECT_EQ(timer.interval(), 500);
    game.newGame();
    EXPECT_EQ(timer.interval(), 500);

    timer.setEnabled(false);
    EXPECT_FALSE(game.chooseSpeed(7));
    EXPECT_FALSE(game.chooseSpeed(-1));
    EXPECT_EQ(game.speed().checkedItem(), 5);
}

TEST(PairSequence, FixedStartDealsTheSameSequenceAndNeverADestroyerOnTop)
{
    FixedSeedRandom first;
    FixedSeedRandom second;
    int destroyersBelow = 0;
    for (int i = 0; i < 4000; ++i) {
        const float u = first.next();
        ASSERT_EQ(u, second.next());
        ASSERT_GE(u, 0.0F);
        ASSERT_LT(u, 1.0F);
        if (i % 2 == 0) {
            destroyersBelow += static_cast<int>(u * 8) >= 4 ? 1 : 0;
        } else {
            ASSERT_LT(static_cast<int>(u * 4), 4);
        }
    }
    // About half of the lower gems are destroyers.
    EXPECT_GT(destroyersBelow, 900);
    EXPECT_LT(destroyersBelow, 1100);
}
