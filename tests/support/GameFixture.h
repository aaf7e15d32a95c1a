#pragma once

#include "game/Command.h"
#include "game/Game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ranges>
#include <sstream>
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

// The rules' outside world. It deals prepared values, then 0, and notes every call in `calls`, in
// order, a word each (what each word means is written beside the call that notes it).
class Outside final : public DropTimer,
                      public SoundInterface,
                      public AnimationInterface,
                      public GameOverHandler,
                      public RandomSource {
public:
    std::string calls;
    std::vector<float> values;
    bool on = false, musicOff = false;
    int ms = 1000;

    // The columns of the sounds of one kind, in order: of('c') == "434" for three collisions.
    std::string of(char kind) const
    {
        std::string out, word;
        for (std::istringstream in(calls); in >> word;)
            out += word.size() == 2 && word[0] == kind ? word.substr(1) : "";
        return out;
    }
    bool enabled() const override { return on; }
    void setEnabled(bool enable) override { on = enable; }
    int interval() const override { return ms; }
    void setInterval(int milliseconds) override { ms = milliseconds; }
    float next() override { return drawn < values.size() ? values[drawn++] : 0.0F; }
    void playCollision(std::int16_t p) override { add("c" + std::to_string(p)); }    // "c3": collision in column 3
    void playDestruction(std::int16_t p) override { add("d" + std::to_string(p)); }  // "d2": burst in column 2
    void cleanUpBuffers() override { add("x"); }                                     // "x": sound buffers cleaned up
    bool musicDisabled() override { return musicOff; }
    void setMusicSpeed(std::int16_t h) override { add("s" + std::to_string(h)); }    // "s9": music speed for height 9
    void pause(int ms) override { add(ms == 75 ? "p" : "p" + std::to_string(ms)); }  // "p": 75 ms pause; "p40": 40 ms
    void repaintNow() override { add("r"); }                                         // "r": an immediate repaint
    void showGameOver() override { add(on ? "g!" : "g"); }  // "g": game-over message, timer off; "g!": still on
    // "=score,combo,chain,interval": the finished game handed to the ranking
    void processScore(const FinishedGame& g) override
    {
        add("=" + std::to_string(g.score) + "," + std::to_string(g.bestCombo) + "," + std::to_string(g.bestChain) +
            "," + std::to_string(g.intervalMs));
    }

private:
    void add(const std::string& word) { calls += (calls.empty() ? "" : " ") + word; }
    std::size_t drawn = 0;
};

// A game wired to its outside world.
class GameFixture : public ::testing::Test {
protected:
    Outside log;
    Game game{Game::Services{log, log, log, log, log}};

    Playfield& field() { return game.mutableField(); }
    Board& board() { return game.mutableField().board; }
    FallingPair& pair() { return game.mutableField().pair; }

    // An empty board with the stack painted, the timer on and a live pair on the given cells.
    void startWithPair(int c0, int r0, int c1, int r1, const std::vector<std::string>& stack = {},
                       Gem gem0 = gemForDraw(0), Gem gem1 = gemForDraw(1))
    {
        board().reset();
        paint(board(), stack);
        board().place(c0, r0, gem0);
        board().place(c1, r1, gem1);
        pair() = FallingPair{{c0, c1}, {static_cast<std::int16_t>(r0), static_cast<std::int16_t>(r1)}, true};
        log.on = true;
        log.calls.clear();
    }

    // Lands a pair that is already resting: one tick finds both gems blocked.
    void land(const std::vector<std::string>& stack, int c0, int r0, int c1, int r1, Gem g0 = gemForDraw(0),
              Gem g1 = gemForDraw(1))
    {
        startWithPair(c0, r0, c1, r1, stack, g0, g1);
        game.tick();
    }

    std::array<int, 4> pairCells() const
    {
        const FallingPair& p = game.field().pair;
        return {p.GemCol[0], p.GemRow[0], p.GemCol[1], p.GemRow[1]};
    }
};

}  // namespace quarrix::test
