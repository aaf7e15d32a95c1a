#include "game/Game.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quarrix;

class SilentSound final : public SoundInterface {
public:
    void playCollision(std::int16_t) override {}
    void playDestruction(std::int16_t) override {}
    void cleanUpBuffers() override {}
    bool musicDisabled() override { return false; }
    void setMusicSpeed(std::int16_t) override {}
};

class NoPause final : public AnimationInterface {
public:
    void pause(int) override {}
    void repaintNow() override {}
};

class NoGameOver final : public GameOverHandler {
public:
    void showGameOver() override {}
    void processScore(const FinishedGame&) override {}
};

class Timer final : public DropTimer {
public:
    bool enabled() const override { return on; }
    void setEnabled(bool v) override { on = v; }
    int interval() const override { return 1000; }
    void setInterval(int) override {}
    bool on = true;
};

class Zero final : public RandomSource {
public:
    float next() override { return 0.0F; }
};

// One landing on a full board of one colour with one destroyer gem: the fill lists all 90 cells,
// removal and settling run with the pauses stubbed out.
void BM_FullBoardResolution(benchmark::State& state)
{
    SilentSound sound;
    NoPause animation;
    NoGameOver gameOver;
    Timer timer;
    Zero random;
    Game game(Game::Services{random, timer, sound, animation, gameOver});
    for (auto _ : state) {
        state.PauseTiming();
        Playfield& field = game.mutableField();
        field.board.reset();
        for (int i = 0; i < Board::Cells; ++i) {
            field.board.place(i % 6, i / 6, Gem{ShapeCode::Normal, GemColors::Blue});
        }
        field.board.place(0, 0, Gem{ShapeCode::Destroyer, GemColors::Blue});
        field.pair.GemCol = {2, 3};
        field.pair.GemRow = {0, 0};
        field.pair.PairActive = false;
        timer.on = true;
        state.ResumeTiming();
        game.tick();
        benchmark::DoNotOptimize(field.figures.score);
    }
}
BENCHMARK(BM_FullBoardResolution)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
