#include "GameFixture.h"
#include "UiFakes.h"
#include "game/FixedSeedRandom.h"
#include "ui/Form1.h"
#include "ui/PlayfieldWidget.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

using namespace quarrix;

namespace {

class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class Form1Test : public ::testing::Test {
protected:
    test::FakeDialogs dialogs;
    test::FakeCompanions companions;
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

TEST_F(Form1Test, OpensIdleWithZeroFiguresAndItsShortcuts)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quarrix Solo. - 17/2/2004"));
    EXPECT_EQ(form.playfield()->size(), QSize(515, 577));
    for (const char* name :
         {"lblHScore", "lblHCombo", "lblHChain", "lblBCombo", "lblBChain", "lblCCombo", "lblCChain", "lblCScore"}) {
        EXPECT_EQ(label(name), QStringLiteral("0")) << name;
    }
    EXPECT_FALSE(timer()->isActive());
    const std::pair<const char*, QKeySequence> keys[] = {
        {"M_F_NewGame", Qt::Key_F1}, {"M_R_S", Qt::Key_F2}, {"H_R_Co", Qt::Key_F3}, {"H_R_Ch", Qt::Key_F4},
        {"M_S_S", Qt::Key_F5},       {"M_F_Exit", {}},      {"M_H_hmm", {}}};
    for (const auto& [name, key] : keys) {
        ASSERT_NE(action(name), nullptr) << name;
        EXPECT_EQ(action(name)->shortcut(), key) << name;
    }
    EXPECT_TRUE(action("M_S_0")->isChecked());
}

TEST_F(Form1Test, F1DealsAPairDrawnInItsColoursArrowsMoveItOtherKeysDoNotAndF1StartsAfresh)
{
    showActive();
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_TRUE(timer()->isActive());
    const Playfield& f = form.game().field();
    const auto expectDrawn = [&](const QRect& rect, ColorValue colour) {
        const Rgb rgb = toRgb(colour);
        EXPECT_EQ(pixelAt(rect), QColor(rgb.red, rgb.green, rgb.blue));
    };
    expectDrawn(form.playfield()->cellRect(3, 13), f.board.cell(3, 13).GemColor);
    expectDrawn(form.playfield()->cellRect(3, 14), f.board.cell(3, 14).GemColor);
    expectDrawn(form.playfield()->previewRect(0), f.next.lower.color);
    EXPECT_EQ(pixelAt(form.playfield()->cellRect(0, 0)), form.playfield()->palette().window().color());

    QTest::keyClick(&form, Qt::Key_Left);
    QTest::keyClick(&form, Qt::Key_Up);  // gem 0 turns to the right of gem 1
    for (const auto key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
        QTest::keyClick(&form, key);
    }
    QTest::keyClick(&form, Qt::Key_Down);
    QTest::keyEvent(QTest::Press, &form, Qt::Key_Down, Qt::NoModifier, -1);  // auto-repeat acts once per event
    EXPECT_EQ(f.pair.GemCol, (std::array<int, 2>{3, 2}));
    EXPECT_EQ(f.pair.GemRow, (std::array<std::int16_t, 2>{12, 12}));

    field().figures = Figures{90, 2, 3, 2, 3};
    QTest::keyClick(&form, Qt::Key_Right);
    ASSERT_EQ(label("lblCScore"), QStringLiteral("90"));
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(f.pair.GemRow, (std::array<std::int16_t, 2>{13, 14}));
    EXPECT_EQ(test::countFilled(f.board), 2);
    EXPECT_EQ(label("lblCScore") + label("lblBChain"), QStringLiteral("00"));
}

TEST_F(Form1Test, MenuCommandsReachTheCompanionWindows)
{
    for (const char* name : {"M_R_S", "H_R_Co", "H_R_Ch", "M_S_S", "M_H_hmm"}) {
        action(name)->trigger();
    }
    EXPECT_EQ(companions.calls, (QStringList{"records 0", "records 1", "records 2", "sound options"}));
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(Form1Test, ResolutionRepaintsBetweenPausesAndFiguresShowDuringIt)
{
    showActive();
    action("M_F_NewGame")->trigger();
    // A resting pair in column 5 lands; the green destroyer at (0,0) takes two greens with it.
    Board& board = field().board;
    board.reset();
    test::paint(board, {"g....y", "Gg...r"});
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
    EXPECT_EQ(scoreAtDestroy[1], QStringLiteral("20"));  // shown with the first repaint of the removal
    EXPECT_EQ(label("lblCChain"), QStringLiteral("2"));
}

TEST_F(Form1Test, SpeedChecksMoveOnlyBetweenGamesAndGameOverRanksWithTheSpeed)
{
    action("M_S_150")->trigger();
    EXPECT_TRUE(action("M_S_150")->isChecked());
    EXPECT_FALSE(action("M_S_0")->isChecked());
    action("M_F_NewGame")->trigger();
    action("M_S_50")->trigger();
    EXPECT_FALSE(action("M_S_50")->isChecked());
    action("M_S_150")->trigger();  // the checked item clicked during play stays checked
    EXPECT_TRUE(action("M_S_150")->isChecked());
    EXPECT_EQ(timer()->interval(), 500);

    for (int r = 0; r < 13; ++r) {
        field().board.place(3, r, gemForDraw(r % 2 == 0 ? 0 : 3));  // no burst, whatever the pair
    }
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(dialogs.messages, (QStringList{"Game Over"}));
    ASSERT_EQ(companions.finished.size(), 1U);
    EXPECT_EQ(companions.finished[0].intervalMs, 500);
    EXPECT_FALSE(timer()->isActive());
    QTest::keyClick(&form, Qt::Key_Down);  // does nothing now
    EXPECT_EQ(companions.finished.size(), 1U);
    action("M_S_75")->trigger();
    EXPECT_TRUE(action("M_S_75")->isChecked());

    // F1 after game over starts afresh at the speed chosen meanwhile.
    showActive();
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1750);
    EXPECT_EQ(test::countFilled(form.game().field().board), 2);
}

}  // namespace
