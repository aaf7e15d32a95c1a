#pragma once

#include "game/Game.h"
#include "game/KeyCode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

namespace quarrix::test {

// Boards drawn as text, top line highest, last line row 0: '.' empty, the letters in draw order.
inline const std::string Letters = "rygbRYGB";  // r y g b normal gems, R Y G B destroyers

inline void paint(Board& board, const std::vector<std::string>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (int c = 0; c < Board::Columns; ++c) {
            const auto k = Letters.find(lines[i][static_cast<std::size_t>(c)]);
            if (k != std::string::npos) {
                board.place(c, static_cast<int>(lines.size() - 1 - i), gemForDraw(static_cast<int>(k)));
            }
        }
    }
}

// The lowest `rows` rows drawn the same way ('?' for a filled cell holding no known gem).
inline std::vector<std::string> picture(const Board& board, int rows)
{
    std::vector<std::string> out;
    for (int r = rows - 1; r >= 0; --r) {
        std::string line;
        for (int c = 0; c < Board::Columns; ++c) {
            int k = 0;
            while (k < 8 && board.cell(c, r).gem() != gemForDraw(k)) {
                ++k;
            }
            line += !board.filled(c, r) ? '.' : k < 8 ? Letters[static_cast<std::size_t>(k)] : '?';
        }
        out.push_back(line);
    }
    return out;
}

inline int countFilled(const Board& board)
{
    int n = 0;
    for (int i = 0; i < Board::Cells; ++i) {
        n += board.cellAt(i).Filled ? 1 : 0;
    }
    return n;
}

class FakeTimer final : public DropTimer {
public:
    bool enabled() const override { return on; }
    void setEnabled(bool enable) override { on = enable; }
    int interval() const override { return ms; }
    void setInterval(int milliseconds) override { ms = milliseconds; }
    bool on = false;
    int ms = 1000;
};

// Notes every call of the rules to the outside, in order, as short strings:
// "collide 3", "destroy 2", "pause 75", "repaint", "cleanup", "speed 9", "gameover", "rank 10 1 1 250".
class Recorder final : public SoundInterface, public AnimationInterface, public GameOverHandler {
public:
    explicit Recorder(const DropTimer& timer) : timer_(timer) {}
    std::vector<std::string> events;
    bool musicOff = false;
    bool timerOnAtMessage = true;

    std::vector<std::string> only(const std::string& prefix) const
    {
        std::vector<std::string> out;
        std::copy_if(events.begin(), events.end(), std::back_inserter(out),
                     [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
        return out;
    }
    void playCollision(std::int16_t p) override { add("collide " + std::to_string(p)); }
    void playDestruction(std::int16_t p) override { add("destroy " + std::to_string(p)); }
    void cleanUpBuffers() override { add("cleanup"); }
    bool musicDisabled() override { return musicOff; }
    void setMusicSpeed(std::int16_t h) override { add("speed " + std::to_string(h)); }
    void pause(int ms) override { add("pause " + std::to_string(ms)); }
    void repaintNow() override { add("repaint"); }
    void showGameOver() override
    {
        timerOnAtMessage = timer_.enabled();
        add("gameover");
    }
    void processScore(const FinishedGame& g) override
    {
        add("rank " + std::to_string(g.score) + " " + std::to_string(g.bestCombo) + " " + std::to_string(g.bestChain) +
            " " + std::to_string(g.intervalMs));
    }

private:
    void add(std::string event) { events.push_back(std::move(event)); }
    const DropTimer& timer_;
};

// Hands out prepared values, then 0.
class ScriptedRandom final : public RandomSource {
public:
    std::vector<float> values;
    float next() override { return drawn < values.size() ? values[drawn++] : 0.0F; }

private:
    std::size_t drawn = 0;
};

// A game wired to the fakes; log.events holds every call to the outside in order.
class GameFixture : public ::testing::Test {
protected:
    FakeTimer timer;
    Recorder log{timer};
    ScriptedRandom random;
    Game game{Game::Services{random, timer, log, log, log}};

    Playfield& field() { return game.mutableField(); }
    Board& board() { return game.mutableField().board; }
    FallingPair& pair() { return game.mutableField().pair; }

    // An empty board, the timer on and the pair placed on the given cells.
    void startWithPair(int c0, int r0, int c1, int r1, Gem gem0 = gemForDraw(0), Gem gem1 = gemForDraw(1))
    {
        board().reset();
        field().started = true;
        board().place(c0, r0, gem0);
        board().place(c1, r1, gem1);
        pair().GemCol = {c0, c1};
        pair().GemRow = {static_cast<std::int16_t>(r0), static_cast<std::int16_t>(r1)};
        pair().PairActive = true;
        timer.on = true;
        log.events.clear();
    }

    void expectPairAt(int c0, int r0, int c1, int r1)
    {
        const FallingPair& p = pair();
        EXPECT_EQ((std::array<int, 4>{p.GemCol[0], p.GemRow[0], p.GemCol[1], p.GemRow[1]}),
                  (std::array<int, 4>{c0, r0, c1, r1}));
        EXPECT_TRUE(board().filled(c0, r0) && board().filled(c1, r1));
    }
};

using Events = std::vector<std::string>;

}  // namespace quarrix::test
