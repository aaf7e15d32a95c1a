// Every text the windows show stands exactly as the game has always written it, typos included.
#include "ThreeWindows.h"
#include "records/Ranking.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>

using namespace quarrix;

namespace {

// Menus and frames show a title, labels, buttons and text boxes a text, menu items a text and their key.
QString textOf(const QObject* o)
{
    const QVariant title = o->property("title"), key = o->property("shortcut");
    const QString keyText = key.isValid() ? key.value<QKeySequence>().toString() : QString();
    return (title.isValid() ? title : o->property("text")).toString() + (keyText.isEmpty() ? "" : "\t" + keyText);
}

// Each row: a window's name, or "window/name" for a widget or menu item in it, "=", the text it shows.
void expectShown(const std::initializer_list<const QWidget*>& windows, std::initializer_list<QString> rows)
{
    for (const QString& row : rows) {
        const QString where = row.section('=', 0, 0), name = where.section('/', 1);
        SCOPED_TRACE(where.toStdString());
        const auto window = std::ranges::find(windows, where.section('/', 0, 0), &QObject::objectName);
        ASSERT_NE(window, windows.end());
        if (name.isEmpty()) {
            EXPECT_EQ((*window)->windowTitle(), row.section('=', 1));
            continue;
        }
        const auto* shown = (*window)->findChild<QObject*>(name);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(textOf(shown), row.section('=', 1));
    }
}

TEST(WindowTexts, EveryCaptionPromptAndMessageIsTheGamesOwn)
{
    test::ThreeWindows w;
    const std::initializer_list<const QWidget*> windows{&w.form1, &w.form2, &w.form3};
    expectShown(windows, {"Form1=Quarrix Solo. - 17/2/2004", "Form1/M_F=File", "Form1/M_F_NewGame=New Game\tF1",
                          "Form1/M_F_Exit=Exit", "Form1/M_S=Options", "Form1/M_S_75=-75%", "Form1/M_S_50=-50%",
                          "Form1/M_S_25=-25%", "Form1/M_S_0=0 - Normal", "Form1/M_S_125=+25%", "Form1/M_S_150=+50%",
                          "Form1/M_S_175=+75%", "Form1/M_S_S=Sound Option\tF5", "Form1/M_R=Records",
                          "Form1/M_R_S=Highest Scores\tF2", "Form1/H_R_Co=Highest Combo\tF3",
                          "Form1/H_R_Ch=Highest Chain\tF4", "Form1/M_H=Help", "Form1/M_H_hmm=Coming Soon..."});
    expectShown(windows, {"Form1/Label1=Next", "Form1/frmHigh=Highest",
                          "Form1/Label2=Score:", "Form1/Label6=Combo:", "Form1/Label4=Chain:", "Form1/frmBest=Best",
                          "Form1/Label12=Combo:", "Form1/Label10=Chain:", "Form1/frmCurrent=Current",
                          "Form1/Label16=Combo:", "Form1/Label14=Chain:", "Form1/Label8=Score:"});
    expectShown(windows, {"Form2=Records", "Form2/Label1=Highest Score", "Form2/Label2=Highest Combos",
                          "Form2/Label3=Highest Chains",
                          "Form2/Label4=Pos Name (Speed)        Score               Combo             Chain",
                          "Form2/Label5=Pos Name (Speed)        Combo             Chain                Score",
                          "Form2/Label6=Pos Name (Speed)        Chain               Score               Combo"});
    expectShown(windows, {"Form3=Sound Option", "Form3/Command1=_ Hide",
                          "Form3/Label1=Sound Device:", "Form3/Label2=Gem Collision:", "Form3/Label3=Gem Destruction:",
                          "Form3/Label4=BackGround Music:", "Form3/txtGC=Dink.wav", "Form3/txtGD=PahTush.wav",
                          "Form3/txtBGM=BGM_2.wav", "Form3/cmdGCclect=Browse...", "Form3/cmdGDclect=Browse...",
                          "Form3/cmdBGMclect=Browse...", "Form3/cmdGCPlay=Play", "Form3/cmdGDPlay=Play",
                          "Form3/cmdBGMPlay=Play", "Form3/checkBGM=Disable BGM (click Play to apply)"});
    const auto* tabs = w.form2.findChild<QTabWidget*>(QStringLiteral("Records"));
    EXPECT_EQ(tabs->tabText(0), "Highest Scores");
    EXPECT_EQ(tabs->tabText(1), "Highest Combos");
    EXPECT_EQ(tabs->tabText(2), "Highest Chains");
    QString suffixes;
    for (const int ms : {250, 500, 750, 1000, 1250, 1500, 1750}) {
        suffixes += QString::fromUtf8(records::RankingTexts::speedSuffix(ms).data()) + "|";
    }
    EXPECT_EQ(suffixes, " (spd=+75%)| (spd=+50%)| (spd=+25%)| (spd=0)| (spd=-25%)| (spd=-50%)| (spd=-75%)|");
    w.form3.findChild<QLineEdit*>(QStringLiteral("txtBGM"))->setText(QStringLiteral("a.WAV"));
    w.form3.findChild<QAbstractButton*>(QStringLiteral("cmdBGMPlay"))->click();
    w.form3.findChild<QAbstractButton*>(QStringLiteral("cmdGCclect"))->click();
    EXPECT_EQ(w.dialogs.fileDialogs.value(0), "Select Sound File...|Wave Sound Files (*.wav)");
    EXPECT_EQ(w.dialogs.messages.value(1), "This is not a valid Sound File!");
    EXPECT_EQ(w.audio.createCalls, 1);  // the refused name loaded nothing: only the music is there
    EXPECT_EQ(
        w.dialogs.messages.value(0).toStdString(),
        "Error: There was an error in loading the HighScore Table, this may be because the file 'HighScores' is "
        "currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten");
    // The name prompts, by table and whether it is full: header and table name keep their typos.
    const char* const prompts[][2] = {{"worth", "Scores"}, {"worthy", "Scores"}, {"worthy", "Combos"},
                                      {"worthy", "Combo"}, {"worthy", "Chains"}, {"worthy", "Chians"}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(records::RankingTexts::namePrompt(i / 2, 3, i % 2 == 1),
                  "You are " + std::string(prompts[i][0]) +
                      "...\n...and have aquired the Number 3Position on the Highest " + prompts[i][1] +
                      " Table!\nPlease Enter Your Name: ")
            << i;
    }
}

}  // namespace
