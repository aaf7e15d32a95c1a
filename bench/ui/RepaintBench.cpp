#include "game/FixedSeedRandom.h"
#include "sound/OpenAlAudio.h"
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

// One immediate repaint of the main window's client area with a full board, as every
// removal and settling step does.
void BM_MainWindowRepaint(benchmark::State& state)
{
    QuietDialogs dialogs;
    sound::OpenAlAudio audio;  // never opened: the sound is not loaded here
    FixedSeedRandom random;
    ui::AppModel model(dialogs, audio, random);
    ui::Form1 form(model);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("window not exposed");
        return;
    }
    model.game().newGame();
    Playfield& field = model.game().mutableField();
    for (int i = 0; i < Board::Cells; ++i) {
        field.board.place(i % 6, i / 6, gemForDraw(i % 8));
    }
    for (auto _ : state) {
        form.playfield()->repaint();
    }
    model.game().timer().setEnabled(false);
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
