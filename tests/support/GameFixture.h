#pragma once

#include "game/Game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ranges>
#include <string>
#include <string_view>
#include <vector>

namespace quarrix::test {

// Boards drawn as text, top line highest, last line row 0: '.' empty, r y g b normal gems,
// R Y G B destroyers (the draw order).
inline void paint(Board& board, const std::vector<std::string>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (int c = 0; c < Board::Columns; ++c) {
            const auto k = std::string_view("rygbRYGB").find(lines[i][static_cast<std::size_t>(c)]);
            if (k != std::string_view::npos)
                board.place(c, static_cast<int>(lines.size() - 1 - i), gemForDraw(static_cast<int>(k)));
        }
    }
}

inline int countFilled(const Board& board)
{
    const auto filled = [&board](int i) { return board.cellAt(i).Filled; };
    return static_cast<int>(std::ranges::count_if(std::views::iota(0, Board::Cells), filled));
}

// The rules' outside world. It deals prepared values, then 0, and notes every call in `calls`, a
// word and a blank each, in order (what each word means is written beside the call that notes it).
class Outside final : public DropTimer,
                      public SoundInterface,
                      public AnimationInterface,
                      public GameOverHandler,
                      public RandomSource {
public:
    std::string calls, collisions, destructions;  // the last two: the sounds' columns alone, "434"
    std::vector<float> values;
    bool on = false;
    int ms = 1000;

    bool enabled() const override { return on; }
    void setEnabled(bool enable) override { on = enable; }
    int interval() const override { return ms; }
    void setInterval(int milliseconds) override { ms = milliseconds; }
    float next() override
    {
        if (drawn == values.size())
            return 0.0F;
        return values[drawn++];
    }
    void playCollision(std::int16_t p) override { add("c", p, collisions); }      // "c3": collision in column 3
    void playDestruction(std::int16_t p) override { add("d", p, destructions); }  // "d2": burst in column 2
    void cleanUpBuffers() override { calls += "x "; }                             // "x": sound buffers cleaned up
    bool musicDisabled() override { return false; }
    void setMusicSpeed(std::int16_t h) override { calls += "s" + std::to_string(h) + " "; }  // "s9": for height 9
    void pause(int wait) override { calls += "p" + std::to_string(wait) + " "; }             // "p75": a 75 ms pause
    void repaintNow() override { calls += "r "; }                              // "r": an immediate repaint
    void showGameOver() override { calls += "g" + std::to_string(on) + " "; }  // "g0": game over, timer off
    // "=score/interval": the finished game handed to the ranking, with the speed it was played at
    void processScore(const FinishedGame& g) override
    {
        calls += "=" + std::to_string(g.score) + "/" + std::to_string(g.intervalMs) + " ";
    }

private:
    void add(const char* kind, std::int16_t column, std::string& columns)
    {
        calls += kind + std::to_string(column) + " ";
        columns += std::to_string(column);
    }
    std::size_t drawn = 0;
};

// A game wired to its outside world.
class GameFixture : public ::testing::Test {
protected:
    Outside log;
    Game game{Game::Services{log, log, log, log, log}};

    Playfield& field() { return game.mutableField(); }
    Board& board() { return game.mutableField().board; }

    // An empty board with the stack painted, the timer on and a live pair on the given cells.
    void startWithPair(int c0, int r0, int c1, int r1, const std::vector<std::string>& stack = {},
                       Gem gem0 = gemForDraw(0), Gem gem1 = gemForDraw(1))
    {
        board().reset();
        paint(board(), stack);
        board().place(c0, r0, gem0);
        board().place(c1, r1, gem1);
        field().pair = FallingPair{{c0, c1}, {static_cast<std::int16_t>(r0), static_cast<std::int16_t>(r1)}, true};
        log.on = true;
        log.calls = log.collisions = log.destructions = "";
    }

    std::array<int, 4> pairCells() const
    {
        const FallingPair& p = game.field().pair;
        return {p.GemCol[0], p.GemRow[0], p.GemCol[1], p.GemRow[1]};
    }
};

}  // namespace quarrix::test
