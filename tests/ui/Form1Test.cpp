// The main window's wiring: keys, menus, figures, each step of a resolution, companions that come back.
#include "GameFixture.h"
#include "RecordsFakes.h"
#include "UiFakes.h"
#include "game/FixedSeedRandom.h"
#include "sound/OpenAlAudio.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/PlayfieldWidget.h"
#include "ui/WindowSet.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTabWidget>
#include <QTest>

using namespace quarrix;

namespace {

class Form1Test : public ::testing::Test {
protected:
    QString label(const char* name) const { return form.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QAction* action(const char* name) const { return form.findChild<QAction*>(QString::fromLatin1(name)); }
    Playfield& field() { return form.game().mutableField(); }
    // Shortcuts and immediate repaints need a shown, exposed and active window.
    void showActive()
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    test::FakeDialogs dialogs;
    test::FakeCompanions companions;
    FixedSeedRandom random;
    ui::Form1 form{dialogs, companions, random};
};

TEST_F(Form1Test, MenuItemsReachTheCompanionsAndSpeedsLockInAGame)
{
    for (const char* name : {"M_R_S", "H_R_Co", "H_R_Ch", "M_S_S", "M_H_hmm", "M_F_NewGame"})
        action(name)->trigger();
    EXPECT_EQ(companions.calls, (QStringList{"records 0", "records 1", "records 2", "sound options"}));
    action("M_S_50")->trigger();  // refused during a game: the old check stays
    EXPECT_TRUE(action("M_S_0")->isChecked() && !action("M_S_50")->isChecked());
    EXPECT_TRUE(action("M_S_0")->actionGroup()->isExclusive());  // drawn as one choice among the speeds
}

TEST_F(Form1Test, ArrowsMoveThePairOtherKeysDoNotAndTheFiguresShow)
{
    showActive();
    QTest::keyClick(&form, Qt::Key_F1);
    QTest::keyClick(&form, Qt::Key_Left);
    QTest::keyClick(&form, Qt::Key_Up);  // gem 0 turns to the right of gem 1
    for (const auto key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
        QTest::keyClick(&form, key);
    }
    QTest::keyClick(&form, Qt::Key_Down);
    QTest::keyEvent(QTest::Press, &form, Qt::Key_Down);  // a repeated key-down acts once more
    const FallingPair& pair = form.game().field().pair;
    EXPECT_EQ(pair.GemCol, (std::array<int, 2>{3, 2}));
    EXPECT_EQ(pair.GemRow, (std::array<std::int16_t, 2>{12, 12}));

    field().figures = Figures{90, 2, 3, 2, 3};
    QTest::keyClick(&form, Qt::Key_Right);  // every key shows the figures anew
    EXPECT_EQ(label("lblCScore") + label("lblCChain") + label("lblBCombo"), QStringLiteral("9032"));
    form.showHighest("1\u2009000", "7", "8");  // the Highest panel: the tops as the records hold them
    EXPECT_EQ(label("lblHScore"), QStringLiteral("1\u2009000"));
}

struct PaintCounter final : QObject {
    int paints = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(Form1Test, EachRemovalStepIsPaintedBeforeTheNext)
{
    showActive();
    action("M_F_NewGame")->trigger();
    // A resting pair in column 5 lands; the green destroyer at (0,0) takes two greens with it.
    field().board.reset();
    test::paint(field().board, {"g....y", "Gg...r"});
    field().pair = FallingPair{{5, 5}, {0, 1}, true};
    PaintCounter counter;
    form.playfield()->installEventFilter(&counter);
    QStringList seen;  // paints so far and the score shown, at each destruction sound
    companions.onDestroy = [&] { seen << QString::number(counter.paints) + " " + label("lblCScore"); };
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(seen, (QStringList{"0 0", "1 20", "2 20"}));
}

// The records fill the panel before the window shows; the sound device and the music wait for
// the first frame.
TEST_F(Form1Test, RecordsLoadFirstAndSoundAfterTheFirstFrame)
{
    PaintCounter counter;
    form.playfield()->installEventFilter(&counter);
    int paintsBeforeSound = -1;
    companions.onLoadSound = [&] { paintsBeforeSound = counter.paints; };
    form.load();
    EXPECT_EQ(companions.calls, QStringList{"load records"});
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return paintsBeforeSound >= 0; })) << "no sound at start-up";
    EXPECT_GT(paintsBeforeSound, 0);
    EXPECT_EQ(companions.calls, (QStringList{"load records", "load sound"}));
}

// A companion window the player closed comes back, freshly loaded, the next time it is needed.
TEST(WindowSet, ClosedWindowsAreCreatedAnewWhenNeeded)
{
    test::TempWorkingDir dir;
    test::FakeDialogs dialogs;
    test::RecordsFakes panel;
    sound::OpenAlAudio audio;
    ui::WindowSet windows(dialogs, audio);
    windows.loadRecords(panel);
    windows.loadSound();
    const QPointer<QWidget> records = &windows.records(), options = &windows.soundOptions();
    records->close();
    options->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(records.isNull() && options.isNull());
    windows.showRecords(1);
    EXPECT_EQ(windows.records().findChild<QTabWidget*>(QStringLiteral("Records"))->currentIndex(), 1);
    EXPECT_EQ(dialogs.messages.size(), 2);  // loaded again, still no file
    windows.sound().playCollision(2);       // the game reads the window's file name: it comes back
    EXPECT_EQ(std::ranges::count(QApplication::topLevelWidgets(), QStringLiteral("Form3"), &QObject::objectName), 1);
}

}  // namespace
