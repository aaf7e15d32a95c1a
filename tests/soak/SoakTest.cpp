// Whole games on the rules and the main window with random keys, ticks and speed clicks, checked
// after every step. QUARRIX_SOAK_GAMES and QUARRIX_SOAK_SEED choose how many games and which ones.
#include "GameFixture.h"
#include "ThreeWindows.h"
#include "ui/PlayfieldWidget.h"

#include <QAction>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <random>

namespace quarrix::test {
namespace {

std::uint64_t knob(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    return std::strtoull(text, nullptr, 10);
}

class Soak : public ::testing::Test {
protected:
    Soak()
    {
        const Board& board = model.game().field().board;
        model.onDestroy = [this] { ++destroyed; };
        model.onLanding = [this, &board] {
            ++landings;
            spawnFilled = int{board.filled(3, Board::SpawnLowerRow)} + int{board.filled(3, Board::SpawnUpperRow)};
        };
        model.setPauseFunction([](int /*ms*/) {});
        audio.files.clear();        // no sound file loads: thousands of landings leave no table of sounds behind
        timer->blockSignals(true);  // the soak ticks; nothing happens between its steps
    }

    const Playfield& field() const { return model.game().field(); }
    int pick(qsizetype count) { return static_cast<int>(engine() % static_cast<std::uint64_t>(count)); }

    // Gems come only with a new pair and go only with a destruction sound; only bursts score, by
    // tens; a landing without one clears Current; Best keeps the maxima; every cell is drawn as it is.
    void step(int move)
    {
        constexpr Qt::Key keys[] = {Qt::Key_Down,  Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up, Qt::Key_A,
                                    Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_0,  Qt::Key_F12};
        const Playfield before = field();
        destroyed = landings = 0;
        if (move == 0)
            model.tick();
        else if (move == 1)
            speedItems[pick(speedItems.size())]->trigger();
        else
            QTest::keyClick(&form, keys[(move - 2) % 10]);
        const Figures &a = field().figures, &b = before.figures;
        SCOPED_TRACE(testing::Message() << "move " << move << ", landings " << landings);
        ASSERT_LE(landings, 1);
        ASSERT_EQ(countFilled(field().board), countFilled(before.board) - destroyed + landings * (2 - spawnFilled));
        if (landings == 0) {
            ASSERT_EQ(a, b);
        }
        ASSERT_EQ(destroyed > 0, a.score > b.score);
        ASSERT_EQ(a.score % 10, 0);
        if (landings == 1 && destroyed == 0) {  // a landing without a burst clears Current
            ASSERT_EQ(a.combo, 0);
            ASSERT_EQ(a.chain, 0);
        }
        ASSERT_EQ(a.bestCombo, std::max(b.bestCombo, a.combo));
        ASSERT_GE(a.bestChain, std::max(b.bestChain, a.chain));
        const QImage image = form.playfield()->grab().toImage();
        const QColor empty = form.playfield()->palette().window().color();
        for (int i = 0; i < Board::Cells; ++i) {
            const Rgb c = toRgb(field().board.cellAt(i).GemColor);
            QColor shown(c.red, c.green, c.blue);
            if (!field().board.cellAt(i).Filled)
                shown = empty;
            ASSERT_EQ(image.pixelColor(form.playfield()->cellRect(i % 6, i / 6).center()), shown) << "cell " << i;
        }
    }

    std::uint64_t seed = knob("QUARRIX_SOAK_SEED", 20040217);
    std::mt19937_64 engine{seed};
    TempWorkingDir dir;  // the finished games are ranked and saved
    FakeDialogs dialogs;
    FakeAudio audio;
    FixedSeedRandom random;  // the game's own pairs; the seed chooses the moves
    HeardModel model{dialogs, audio, random};
    ui::Form1 form{model};
    QTimer* timer = model.findChild<QTimer*>("Timer1");
    QList<QAction*> speedItems = form.findChildren<QAction*>(QRegularExpression("^M_S_\\d+$"));
    int destroyed = 0, landings = 0, spawnFilled = 0;
};

TEST_F(Soak, WholeGamesKeepTheWellTheFiguresAndTheScreenTrue)
{
    const auto games = static_cast<int>(knob("QUARRIX_SOAK_GAMES", 20));
    std::discrete_distribution<int> moves{40, 2, 25, 14, 14, 10, 2, 2, 2, 2, 2, 2};  // tick, speed, keys
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (int g = 0; g < games; ++g) {
        SCOPED_TRACE(testing::Message() << "QUARRIX_SOAK_SEED=" << seed << ", game " << g + 1);
        speedItems[pick(speedItems.size())]->trigger();
        QTest::keyClick(&form, Qt::Key_F1);
        for (int s = 0; timer->isActive(); ++s) {
            ASSERT_LT(s, 20000) << "no game over";
            ASSERT_NO_FATAL_FAILURE(step(moves(engine))) << "step " << s;
        }
        ASSERT_EQ(model.finished.size(), static_cast<std::size_t>(g + 1));
        ASSERT_EQ(model.finished.back().score, field().figures.score);
    }
}

}  // namespace
}  // namespace quarrix::test
