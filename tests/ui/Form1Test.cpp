// The main window's wiring: keys, menus, figures, each step of a resolution, the start-up order, the languages.
#include "GameFixture.h"
#include "ThreeWindows.h"
#include "ui/Language.h"
#include "ui/PlayfieldWidget.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace quarrix;

namespace {

class Form1Test : public ::testing::Test {
protected:
    QString label(const char* name) const { return form.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QAction* action(const char* name) const { return form.findChild<QAction*>(QString::fromLatin1(name)); }
    Playfield& field() { return model.game().mutableField(); }
    // Shortcuts and immediate repaints need a shown, exposed and active window.
    void showActive()
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    test::TempWorkingDir dir;
    test::FakeDialogs dialogs;
    test::FakeAudio audio;
    FixedSeedRandom random;
    test::HeardModel model{dialogs, audio, random};
    ui::Form1 form{model};
};

TEST_F(Form1Test, MenuItemsReachTheModelAndSpeedsLockInAGame)
{
    QSignalSpy records(&model, &ui::AppModel::recordsWanted);
    QSignalSpy sound(&model, &ui::AppModel::soundOptionsWanted);
    for (const char* name : {"M_R_S", "H_R_Co", "H_R_Ch", "M_S_S", "M_H_hmm", "M_F_NewGame"})
        action(name)->trigger();
    EXPECT_EQ(records, (QList<QVariantList>{{0}, {1}, {2}}));
    EXPECT_EQ(sound.size(), 1);
    action("M_S_50")->trigger();  // refused during a game: the old check stays
    EXPECT_EQ(action("M_S_0")->isChecked(), true);
    EXPECT_TRUE(action("M_S_0")->actionGroup()->isExclusive());  // drawn as one choice among the speeds
}

struct PaintCounter final : QObject {
    int paints = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(Form1Test, KeysMoveThePairTheFiguresShowAndEachRemovalStepIsPaintedBeforeTheNext)
{
    showActive();
    QTest::keyClick(&form, Qt::Key_F1);
    QTest::keyClick(&form, Qt::Key_Left);
    QTest::keyClick(&form, Qt::Key_Up);  // gem 0 turns to the right of gem 1
    QTest::keyClick(&form, Qt::Key_Down);
    QTest::keyEvent(QTest::Press, &form, Qt::Key_Down);  // a repeated key-down acts once more
    const FallingPair& pair = model.game().field().pair;
    EXPECT_EQ(pair.GemCol, (std::array<int, 2>{3, 2}));
    EXPECT_EQ(pair.GemRow, (std::array<std::int16_t, 2>{12, 12}));

    field().figures = Figures{90, 2, 3, 2, 3};
    QTest::keyClick(&form, Qt::Key_Right);  // every key shows the figures anew
    EXPECT_EQ(label("lblCScore") + label("lblCChain") + label("lblBCombo"), QStringLiteral("9032"));
    form.showHighest("1\u2009000", "7", "8");  // the Highest panel: the tops as the records hold them
    EXPECT_EQ(label("lblHScore"), QStringLiteral("1\u2009000"));

    QTest::keyClick(&form, Qt::Key_F1);
    // A resting pair in column 5 lands; the green destroyer at (0,0) takes two greens with it.
    field().board.reset();
    test::paint(field().board, {"g....y", "Gg...r"});
    field().pair = FallingPair{{5, 5}, {0, 1}, true};
    PaintCounter counter;
    form.playfield()->installEventFilter(&counter);
    QStringList seen;  // paints so far and the score shown, at each destruction sound
    model.onDestroy = [&] { seen << QString::number(counter.paints) + " " + label("lblCScore"); };
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(seen, (QStringList{"0 0", "1 20", "2 20"}));
    // What stays, and the next pair, each cell in its gem's colour, an empty one in the background's.
    const QImage screen = form.playfield()->grab().toImage();
    for (int i = 0; i < Board::Cells; ++i) {
        const BoardCell& cell = field().board.cellAt(i);
        const Rgb gem = toRgb(cell.GemColor);
        QColor shown = form.playfield()->palette().window().color();
        if (cell.Filled)
            shown = QColor(gem.red, gem.green, gem.blue);
        EXPECT_EQ(screen.pixelColor(form.playfield()->cellRect(i % 6, i / 6).center()), shown) << "cell " << i;
    }
}

// The records fill the panel before the window shows; the sound device and music wait for the first frame.
TEST_F(Form1Test, RecordsLoadFirstAndSoundAfterTheFirstFrame)
{
    PaintCounter counter;
    form.playfield()->installEventFilter(&counter);
    int paintsBeforeSound = -1;
    QObject::connect(&model, &ui::AppModel::soundLoaded, [&] { paintsBeforeSound = counter.paints; });
    form.load();
    EXPECT_EQ(dialogs.messages.size(), 1);  // no file yet: the load error
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return paintsBeforeSound >= 0; })) << "no sound at start-up";
    EXPECT_GT(paintsBeforeSound, 0);
}

// A game in `language` on Qt's boxes, entered as "Ada": returns its HighScores; `shown` gets two menu items, each box.
std::string finishGame(const QString& language, QStringList& shown)
{
    const ui::Language spoken({language});
    test::TempWorkingDir dir;
    ui::QtDialogs dialogs;
    test::FakeAudio audio;
    FixedSeedRandom random;
    ui::AppModel model(dialogs, audio, random);
    const ui::Form1 form(model);
    shown << form.findChild<QAction*>("M_F_NewGame")->text() + '|' + form.findChild<QAction*>("M_S_0")->text();
    dialogs.setBeforeShowing([&shown] {
        QTimer::singleShot(0, [&shown] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QStringList texts;  // of its labels and buttons
            for (const QWidget* part : box->findChildren<QWidget*>())
                texts << part->property("text").toString();
            shown << texts.filter(QRegularExpression(".")).join('|');
            if (auto* input = qobject_cast<QInputDialog*>(box))
                input->setTextValue(QStringLiteral("Ada"));
            box->accept();
        });
    });
    model.showGameOver();
    model.processScore(FinishedGame{120, 3, 2, 1000});  // the load error first: there is no file yet
    return test::readFile("HighScores");
}

TEST(Languages, GermanAndJapaneseSpeakInMenusBoxesAndQtsButtonsAndWriteTheEnglishHighScores)
{
    QStringList english;
    const std::string bytes = finishGame(QStringLiteral("en_US"), english);
    const QString spoken[][3] = {
        {"de", "Neues Spiel|0 – Normal|Spiel vorbei|OK",
         "Glückwunsch …\n… Sie haben Platz 1 der Punkte-Bestenliste erreicht!\nBitte geben Sie Ihren Namen ein: "
         "|OK|Abbrechen"},
        {"ja", "新しいゲーム|0 – 標準|ゲームオーバー|OK",
         "おめでとうございます…\n…スコアランキングで1位に入りました！\nお名前を入力してください: |OK|キャンセル"},
    };
    for (const auto& [language, menuAndGameOver, prompt] : spoken) {
        QStringList shown;
        EXPECT_EQ(finishGame(language, shown), bytes) << language.toStdString();
        EXPECT_EQ(shown.mid(0, 2).join('|') + '\n' + shown.value(3), menuAndGameOver + '\n' + prompt);
    }
}

}  // namespace
