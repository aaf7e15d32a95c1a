// Whole games on the assembled program with random keys, checked after every step.
// QUARRIX_SOAK_GAMES and QUARRIX_SOAK_SEED choose how many games and which ones.
#include "records/HighScoresReader.h"
#include "records/HighScoresWriter.h"
#include "sound/OpenAlAudio.h"
#include "tests/game/GameFixture.h"
#include "tests/records/RecordsFakes.h"
#include "tests/ui/UiFakes.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/PlayfieldWidget.h"
#include "ui/WindowSet.h"

#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace quarrix::test {
namespace {

std::uint64_t knob(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

struct SeededRandom final : RandomSource {
    explicit SeededRandom(std::uint64_t seed) : engine(static_cast<std::uint32_t>(seed)) {}
    float next() override { return static_cast<float>(engine() >> 8U) / 16777216.0F; }
    std::mt19937 engine;
};

// The real records and sound windows, with the sound path overheard on its way to them.
struct Overheard final : ui::CompanionWindows, SoundInterface {
    explicit Overheard(ui::WindowSet& windows) : windows(windows) {}
    void loadAtStartup(records::HighestPanel& panel) override { windows.loadAtStartup(panel); }
    void showRecords(int tab) override { windows.showRecords(tab); }
    void showSoundOptions() override { windows.showSoundOptions(); }
    void processScore(const FinishedGame& game) override { windows.processScore(game); }
    SoundInterface& sound() override { return *this; }
    void playCollision(std::int16_t p) override { windows.sound().playCollision(p); }
    void playDestruction(std::int16_t p) override
    {
        ++destroyed;
        windows.sound().playDestruction(p);
    }
    void cleanUpBuffers() override  // once at the end of every landing, before the next pair
    {
        ++landings;
        const Board& board = field->board;
        spawnFilled = (board.filled(3, Board::SpawnLowerRow) ? 1 : 0) + (board.filled(3, Board::SpawnUpperRow) ? 1 : 0);
        windows.sound().cleanUpBuffers();
    }
    bool musicDisabled() override { return windows.sound().musicDisabled(); }
    void setMusicSpeed(std::int16_t h) override { windows.sound().setMusicSpeed(h); }

    ui::WindowSet& windows;
    const Playfield* field = nullptr;
    int destroyed = 0, landings = 0, spawnFilled = 0;
};

class Soak : public ::testing::Test {
protected:
    Soak()
    {
        for (const char* name : {"Dink.wav", "PahTush.wav", "BGM_2.wav"}) {
            std::filesystem::copy_file(std::filesystem::path(QUARRIX_PLAY_DIR) / name, name);
        }
        heard.field = &form.game().field();
        form.setPauseFunction([](int /*ms*/) {});
        timer->blockSignals(true);  // the soak ticks; nothing happens between its steps
    }

    const Playfield& field() const { return form.game().field(); }
    int pick(qsizetype count) { return static_cast<int>(engine() % static_cast<std::uint64_t>(count)); }

    // Every cell on screen shows the gem it holds, or the background.
    void expectShown()
    {
        const QImage image = form.playfield()->grab().toImage();
        for (int i = 0; i < Board::Cells; ++i) {
            const BoardCell& cell = field().board.cellAt(i);
            const Rgb c = toRgb(cell.GemColor);
            const QColor shown = image.pixelColor(form.playfield()->cellRect(i % 6, i / 6).center());
            ASSERT_EQ(shown,
                      cell.Filled ? QColor(c.red, c.green, c.blue) : form.playfield()->palette().window().color())
                << "cell " << i;
        }
    }

    // Gems come only with a new pair and go only with a destruction sound; the figures only grow
    // by bursts, the best ones never fall behind the current ones.
    void step(int move)
    {
        constexpr Qt::Key keys[] = {Qt::Key_Down,  Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up, Qt::Key_A,
                                    Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_0,  Qt::Key_F12};
        const Playfield before = field();
        const int speed = form.game().speed().checkedItem();
        heard.destroyed = heard.landings = 0;
        if (move == 0) {
            form.Timer1_Timer();
        } else if (move == 1) {
            speedItems[pick(speedItems.size())]->trigger();
        } else {
            QTest::keyClick(&form, keys[(move - 2) % 10]);
        }
        const Figures& a = field().figures;
        const Figures& b = before.figures;
        const int dealt = heard.landings == 1 ? 2 - heard.spawnFilled : 0;
        ASSERT_EQ(countFilled(field().board), countFilled(before.board) - heard.destroyed + dealt) << "move " << move;
        ASSERT_TRUE(heard.landings == 1 || a == b) << "move " << move;
        // Only bursts score, by tens; a landing without one clears Current; Best keeps the maxima.
        ASSERT_EQ(heard.destroyed > 0, a.score > b.score);
        ASSERT_TRUE(a.score % 10 == 0 && (heard.destroyed > 0 || a == b || (a.combo == 0 && a.chain == 0)));
        ASSERT_TRUE(a.bestCombo == std::max(b.bestCombo, a.combo) && a.bestChain >= std::max(b.bestChain, a.chain));
        ASSERT_EQ(form.game().speed().checkedItem(), speed) << "a speed item took effect during a game";
        if (move >= 6) {  // a key the well does not listen to
            ASSERT_TRUE(before.pair.GemCol == field().pair.GemCol && before.pair.GemRow == field().pair.GemRow);
        }
        expectShown();
    }

    // After a game over the file reads back to the same bytes and the panel shows its best score.
    void expectRecordsKept()
    {
        const std::string bytes = readFile("HighScores");
        records::HighScoreTables tables;
        ASSERT_EQ(records::HighScoresReader::read(bytes, tables), records::ReadOutcome::Loaded);
        ASSERT_EQ(records::HighScoresWriter::write(tables), bytes);
        ASSERT_EQ(form.findChild<QLabel*>("lblHScore")->text().toStdString(), tables[0].row(0).score);
        ASSERT_TRUE(windows.records().isVisible());
    }

    TempWorkingDir dir;
    std::uint64_t seed = knob("QUARRIX_SOAK_SEED", 20040217);
    std::mt19937_64 engine{seed};
    FakeDialogs names;  // every name prompt cancelled
    sound::OpenAlAudio audio;
    ui::WindowSet windows{names, audio};
    Overheard heard{windows};
    SeededRandom random{seed};
    ui::Form1 form{names, heard, random};
    QTimer* timer = form.findChild<QTimer*>("Timer1");
    QList<QAction*> speedItems = form.findChildren<QAction*>(QRegularExpression("^M_S_\\d+$"));
};

TEST_F(Soak, WholeGamesKeepTheWellTheFiguresTheScreenAndTheRecordsTrue)
{
    const auto games = static_cast<int>(knob("QUARRIX_SOAK_GAMES", 20));
    std::discrete_distribution<int> moves{40, 2, 25, 14, 14, 10, 2, 2, 2, 2, 2, 2};  // tick, speed, keys
    form.load();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    long steps = 0;
    for (int g = 0; g < games; ++g) {
        SCOPED_TRACE(testing::Message() << "QUARRIX_SOAK_SEED=" << seed << ", game " << g + 1);
        speedItems[pick(speedItems.size())]->trigger();
        QTest::keyClick(&form, Qt::Key_F1);
        for (int s = 0; timer->isActive(); ++s, ++steps) {
            ASSERT_LT(s, 20000) << "no game over";
            ASSERT_NO_FATAL_FAILURE(step(moves(engine))) << "step " << s;
        }
        ASSERT_NO_FATAL_FAILURE(expectRecordsKept());
        windows.records().close();  // comes back freshly loaded at the next game over
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        ASSERT_NO_FATAL_FAILURE(step(2 + pick(10)));  // keys after game over
    }
    std::printf("soak: %d games, %ld steps\n", games, steps);
}

}  // namespace
}  // namespace quarrix::test
