#include "game/FixedSeedRandom.h"
#include "ui/CompanionWindows.h"
#include "ui/Dialogs.h"
#include "ui/Form1.h"
#include "ui/PlayfieldWidget.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTest>

#include <cstdlib>

namespace {

using namespace quarrix;

class QuietDialogs final : public ui::Dialogs {
public:
    void message(const QString&) override {}
    QString inputBox(const QString&) override { return {}; }
    QString openFile(const QString&, const QString&) override { return {}; }
};

class NoCompanions final : public ui::CompanionWindows, public SoundInterface {
public:
    void loadRecords(records::HighestPanel&) override {}
    void loadSound() override {}
    void showRecords(int) override {}
    void showSoundOptions() override {}
    void processScore(const FinishedGame&) override {}
    SoundInterface& sound() override { return *this; }
    void playCollision(std::int16_t) override {}
    void playDestruction(std::int16_t) override {}
    void cleanUpBuffers() override {}
    bool musicDisabled() override { return true; }
    void setMusicSpeed(std::int16_t) override {}
};

// One immediate repaint of the main window's client area with a full board, as every
// removal and settling step does.
void BM_MainWindowRepaint(benchmark::State& state)
{
    QuietDialogs dialogs;
    NoCompanions companions;
    FixedSeedRandom random;
    ui::Form1 form(dialogs, companions, random);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("window not exposed");
        return;
    }
    form.game().newGame();
    Playfield& field = form.game().mutableField();
    for (int i = 0; i < Board::Cells; ++i) {
        field.board.place(i % 6, i / 6, gemForDraw(i % 8));
    }
    for (auto _ : state) {
        form.playfield()->repaint();
    }
    form.game().timer().setEnabled(false);
}
BENCHMARK(BM_MainWindowRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
