// The game in German and in Japanese: its menus and boxes, Qt's own buttons, and the same HighScores as in English.
#include "ThreeWindows.h"
#include "ui/Language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quarrix;

namespace {

// Starts the game in `language` with real Qt boxes, ends a game that enters every table as "Ada" and
// returns the HighScores it wrote; `shown` gets the File menu's title and a speed, then each box's text and buttons.
std::string finishGame(const QString& language, QStringList& shown)
{
    const ui::Language spoken({language});
    test::TempWorkingDir dir;
    ui::QtDialogs dialogs;
    test::FakeAudio audio;
    FixedSeedRandom random;
    ui::AppModel model(dialogs, audio, random);
    const ui::Form1 form(model);
    shown << form.findChild<QMenu*>(QStringLiteral("M_F"))->title() + '|' +
                 form.findChild<QAction*>(QStringLiteral("M_S_0"))->text();
    dialogs.setBeforeShowing([&shown] {
        QTimer::singleShot(0, [&shown] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QString seen;
            auto* input = qobject_cast<QInputDialog*>(box);
            if (input != nullptr) {
                seen = input->labelText();
                input->setTextValue(QStringLiteral("Ada"));
            } else {
                seen = qobject_cast<QMessageBox*>(box)->text();
            }
            for (const QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
                seen += '|' + button->text();
            }
            shown << seen;
            box->accept();
        });
    });
    model.loadRecords();  // no file yet: the load error
    model.showGameOver();
    model.processScore(FinishedGame{120, 3, 2, 1000});
    return test::readFile("HighScores");
}

TEST(Languages, GermanAndJapaneseSpeakInMenusBoxesAndQtsButtonsAndWriteTheEnglishHighScores)
{
    QStringList english;
    const std::string bytes = finishGame(QStringLiteral("en_US"), english);
    EXPECT_EQ(english.value(2), "Game Over|OK");
    const QString spoken[][4] = {
        {"de", "Datei|0 – Normal", "Spiel vorbei|OK",
         "Glückwunsch …\n… Sie haben Platz 1 der Punkte-Bestenliste erreicht!\nBitte geben Sie Ihren Namen ein: "
         "|OK|Abbrechen"},
        {"ja", "ファイル|0 – 標準", "ゲームオーバー|OK",
         "おめでとうございます…\n…スコアランキングで1位に入りました！\nお名前を入力してください: |OK|キャンセル"},
    };
    for (const auto& [language, file, gameOver, prompt] : spoken) {
        SCOPED_TRACE(language.toStdString());
        QStringList shown;
        EXPECT_EQ(finishGame(language, shown), bytes);
        EXPECT_EQ(shown.value(0), file);
        EXPECT_EQ(shown.value(2), gameOver);
        EXPECT_EQ(shown.value(3), prompt);
    }
}

}  // namespace
