#pragma once

#include "BoardPicture.h"
#include "GameFakes.h"
#include "game/Game.h"
#include "game/KeyCode.h"

#include <gtest/gtest.h>

namespace quarrix::test {

// A game wired to recording fakes; the log holds every call to the outside in order.
class GameFixture : public ::testing::Test {
protected:
    EventLog log;
    FakeTimer timer;
    ScriptedRandom random;
    RecordingSound sound{log};
    RecordingAnimation animation{log};
    RecordingGameOver gameOver{log, timer};
    Game game{Game::Services{random, timer, sound, animation, gameOver}};

    Playfield& field() { return game.mutableField(); }
    Board& board() { return game.mutableField().board; }
    FallingPair& pair() { return game.mutableField().pair; }

    // An empty board with the timer on and the pair at the given cells (they are filled here).
    void startWithPair(int c0, int r0, int c1, int r1, Gem gem0 = gemForDraw(0), Gem gem1 = gemForDraw(1))
    {
        board().reset();
        field().started = true;
        board().place(c0, r0, gem0);
        board().place(c1, r1, gem1);
        pair().GemCol = {c0, c1};
        pair().GemRow = {static_cast<std::int16_t>(r0), static_cast<std::int16_t>(r1)};
        pair().PairActive = true;
        timer.setEnabled(true);
        log.clear();
    }

    void expectPairAt(int c0, int r0, int c1, int r1)
    {
        EXPECT_EQ(pair().GemCol[0], c0);
        EXPECT_EQ(pair().GemRow[0], r0);
        EXPECT_EQ(pair().GemCol[1], c1);
        EXPECT_EQ(pair().GemRow[1], r1);
        EXPECT_TRUE(board().filled(c0, r0));
        EXPECT_TRUE(board().filled(c1, r1));
    }
};

}  // namespace quarrix::test
