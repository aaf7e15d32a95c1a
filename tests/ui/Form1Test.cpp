#include "BoardPicture.h"
#include "UiFakes.h"
#include "game/FixedSeedRandom.h"
#include "game/KeyCode.h"
#include "ui/Form1.h"
#include "ui/PlayfieldWidget.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quarrix;
using quarrix::test::FakeCompanions;
using quarrix::test::FakeDialogs;

namespace {

class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

class Form1Test : public ::testing::Test {
protected:
    FakeDialogs dialogs;
    FakeCompanions companions;
    FixedSeedRandom random;
    ui::Form1 form{dialogs, companions, random};

    QString label(const char* name) const
    {
        const auto* l = form.findChild<QLabel*>(QString::fromLatin1(name));
        return l != nullptr ? l->text() : QStringLiteral("<missing>");
    }
    QAction* action(const char* name) const { return form.findChild<QAction*>(QString::fromLatin1(name)); }
    QTimer* timer() const { return form.findChild<QTimer*>(QStringLiteral("Timer1")); }
    QColor pixelAt(const QRect& r) const { return form.playfield()->grab().toImage().pixelColor(r.center()); }
    Playfield& field() { return form.game().mutableField(); }

    // Shortcuts and immediate repaints need a shown, exposed and active window.
    void showActive()
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

TEST_F(Form1Test, OpensIdleWithItsCaptionMenusAndZeroFigures)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quarrix Solo. - 17/2/2004"));
    EXPECT_EQ(form.playfield()->size(), QSize(515, 577));
    for (const char* name :
         {"lblHScore", "lblHCombo", "lblHChain", "lblBCombo", "lblBChain", "lblCCombo", "lblCChain", "lblCScore"}) {
        EXPECT_EQ(label(name), QStringLiteral("0")) << name;
    }
    ASSERT_NE(timer(), nullptr);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1000);

    const std::vector<std::pair<const char*, QString>> items{
        {"M_F_NewGame", "New Game"},  {"M_F_Exit", "Exit"},        {"M_S_75", "-75%"},
        {"M_S_0", "0 - Normal"},      {"M_S_175", "+75%"},         {"M_S_S", "Sound Option"},
        {"M_R_S", "Highest Scores"},  {"H_R_Co", "Highest Combo"}, {"H_R_Ch", "Highest Chain"},
        {"M_H_hmm", "Coming Soon..."}};
    for (const auto& [name, caption] : items) {
        ASSERT_NE(action(name), nullptr) << name;
        EXPECT_EQ(action(name)->text(), caption) << name;
    }
    EXPECT_EQ(action("M_F_NewGame")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(action("H_R_Ch")->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(action("M_S_S")->shortcut(), QKeySequence(Qt::Key_F5));
    for (const char* name : {"M_S_75", "M_S_50", "M_S_25", "M_S_125", "M_S_150", "M_S_175"}) {
        EXPECT_FALSE(action(name)->isChecked()) << name;
    }
    EXPECT_TRUE(action("M_S_0")->isChecked());

    QStringList menus;
    for (QAction* a : form.menuBar()->actions()) {
        menus << a->text();
    }
    EXPECT_EQ(menus, (QStringList{"File", "Options", "Records", "Help"}));
}

TEST_F(Form1Test, LoadHandsThePanelToTheRecordsAndItShowsTheirTexts)
{
    form.load();
    ASSERT_NE(companions.panel, nullptr);
    companions.panel->showHighest("1234", "5", "abc");
    EXPECT_EQ(label("lblHScore"), QStringLiteral("1234"));
    EXPECT_EQ(label("lblHCombo"), QStringLiteral("5"));
    EXPECT_EQ(label("lblHChain"), QStringLiteral("abc"));
}

TEST_F(Form1Test, F1DealsAPairThatIsDrawnInItsExactColours)
{
    showActive();
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_TRUE(timer()->isActive());
    const Board& board = form.game().field().board;
    ASSERT_TRUE(board.filled(3, 13));
    ASSERT_TRUE(board.filled(3, 14));
    for (const int r : {13, 14}) {
        const Rgb rgb = toRgb(board.cell(3, r).GemColor);
        EXPECT_EQ(pixelAt(form.playfield()->cellRect(3, r)), QColor(rgb.red, rgb.green, rgb.blue));
    }
    const Rgb lower = toRgb(form.game().field().next.lower.color);
    EXPECT_EQ(pixelAt(form.playfield()->previewRect(0)), QColor(lower.red, lower.green, lower.blue));
    // An empty cell shows the window's background.
    EXPECT_EQ(pixelAt(form.playfield()->cellRect(0, 0)), form.playfield()->palette().window().color());
}

TEST_F(Form1Test, ArrowKeysMoveThePairAndOtherKeysDoNot)
{
    showActive();
    QTest::keyClick(&form, Qt::Key_F1);
    QTest::keyClick(&form, Qt::Key_Left);
    EXPECT_EQ(form.game().field().pair.GemCol[0], 2);
    QTest::keyClick(&form, Qt::Key_Up);  // gem 0 turns to the right of gem 1
    EXPECT_EQ(form.game().field().pair.GemCol[0], 3);
    EXPECT_EQ(form.game().field().pair.GemRow[0], 14);
    const FallingPair before = form.game().field().pair;
    for (const auto key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Home, Qt::Key_Escape}) {
        QTest::keyClick(&form, key);
    }
    EXPECT_EQ(form.game().field().pair.GemCol, before.GemCol);
    EXPECT_EQ(form.game().field().pair.GemRow, before.GemRow);
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(form.game().field().pair.GemRow[0], 13);
    // Auto-repeat: each repeated key-down acts once.
    QTest::keyPress(&form, Qt::Key_Down);
    QTest::keyEvent(QTest::Press, &form, Qt::Key_Down, Qt::NoModifier, -1);
    EXPECT_EQ(form.game().field().pair.GemRow[0], 11);
}

TEST_F(Form1Test, SpeedItemsMoveTheCheckOnlyBetweenGames)
{
    action("M_S_175")->trigger();
    EXPECT_TRUE(action("M_S_175")->isChecked());
    EXPECT_FALSE(action("M_S_0")->isChecked());
    EXPECT_EQ(timer()->interval(), 250);

    action("M_F_NewGame")->trigger();
    action("M_S_50")->trigger();
    EXPECT_FALSE(action("M_S_50")->isChecked());
    EXPECT_TRUE(action("M_S_175")->isChecked());
    EXPECT_EQ(timer()->interval(), 250);
    EXPECT_TRUE(timer()->isActive());

    action("M_S_175")->trigger();  // the checked item clicked during play stays checked
    EXPECT_TRUE(action("M_S_175")->isChecked());
}

TEST_F(Form1Test, MenuCommandsReachTheCompanionWindows)
{
    action("M_R_S")->trigger();
    action("H_R_Co")->trigger();
    action("H_R_Ch")->trigger();
    action("M_S_S")->trigger();
    action("M_H_hmm")->trigger();  // does nothing
    EXPECT_EQ(companions.calls, (QStringList{"records 0", "records 1", "records 2", "sound options"}));
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(Form1Test, ResolutionRepaintsBetweenPausesAndFiguresShowDuringIt)
{
    showActive();
    action("M_F_NewGame")->trigger();
    Board& board = field().board;
    board.reset();
    board.place(0, 0, Gem{ShapeCode::Destroyer, GemColors::Green});
    board.place(0, 1, Gem{ShapeCode::Normal, GemColors::Green});
    board.place(1, 0, Gem{ShapeCode::Normal, GemColors::Green});
    board.place(5, 0, gemForDraw(0));
    board.place(5, 1, gemForDraw(1));
    field().pair.GemCol = {5, 5};
    field().pair.GemRow = {0, 1};

    PaintCounter counter;
    form.playfield()->installEventFilter(&counter);
    std::vector<int> paintsAtDestroy;
    QStringList scoreAtDestroy;
    companions.onDestroy = [&] {
        paintsAtDestroy.push_back(counter.paints);
        scoreAtDestroy << label("lblCScore");
    };
    QTest::keyClick(&form, Qt::Key_Down);

    ASSERT_EQ(paintsAtDestroy.size(), 3U);
    EXPECT_LT(paintsAtDestroy[0], paintsAtDestroy[1]);
    EXPECT_LT(paintsAtDestroy[1], paintsAtDestroy[2]);
    // The burst's score was shown with the first repaint of the removal.
    EXPECT_EQ(scoreAtDestroy[1], QStringLiteral("20"));
    EXPECT_EQ(label("lblCChain"), QStringLiteral("2"));
    EXPECT_EQ(label("lblBCombo"), QStringLiteral("1"));
}

TEST_F(Form1Test, GameOverShowsTheMessageThenRanksWithTheSpeed)
{
    action("M_S_150")->trigger();
    action("M_F_NewGame")->trigger();
    Board& board = field().board;
    for (int r = 0; r < 13; ++r) {
        board.place(3, r, Gem{ShapeCode::Normal, r % 2 == 0 ? GemColors::Red : GemColors::Blue});
    }
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(dialogs.messages, (QStringList{"Game Over"}));
    ASSERT_EQ(companions.finished.size(), 1U);
    EXPECT_EQ(companions.finished[0].intervalMs, 500);
    EXPECT_FALSE(timer()->isActive());
    // Down does nothing now; the speed can be changed again.
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(companions.finished.size(), 1U);
    action("M_S_75")->trigger();
    EXPECT_TRUE(action("M_S_75")->isChecked());
    EXPECT_EQ(timer()->interval(), 1750);

    // F1 after game over starts afresh at the speed chosen meanwhile.
    showActive();
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1750);
    EXPECT_EQ(test::countFilled(form.game().field().board), 2);
    EXPECT_EQ(label("lblCScore"), QStringLiteral("0"));
}

TEST_F(Form1Test, F1DuringAFallingPairDealsAFreshPairAndClearsFigures)
{
    showActive();
    QTest::keyClick(&form, Qt::Key_F1);
    QTest::keyClick(&form, Qt::Key_Left);
    QTest::keyClick(&form, Qt::Key_Down);
    field().figures = Figures{90, 2, 3, 2, 3};
    QTest::keyClick(&form, Qt::Key_Right);
    ASSERT_EQ(label("lblCScore"), QStringLiteral("90"));
    QTest::keyClick(&form, Qt::Key_F1);
    const Playfield& f = form.game().field();
    EXPECT_EQ(f.pair.GemCol[0], 3);
    EXPECT_EQ(f.pair.GemRow[0], 13);
    EXPECT_EQ(test::countFilled(f.board), 2);
    for (const char* name : {"lblBCombo", "lblBChain", "lblCScore", "lblCCombo", "lblCChain"}) {
        EXPECT_EQ(label(name), QStringLiteral("0")) << name;
    }
    EXPECT_TRUE(timer()->isActive());
}

}  // namespace
