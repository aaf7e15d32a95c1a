#include "ThreeWindows.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

using namespace quarrix;

static QStringList items(const QWidget& form, const char* name)
{
    QStringList out;
    for (const QListWidgetItem* item : form.findChild<QListWidget*>(name)->findItems("*", Qt::MatchWildcard))
        out << item->text();
    return out;
}

TEST(Form2, AFinishedGameIsSavedAndReadBackWhenTheWindowComesBack)
{
    test::ThreeWindows w;
    const auto* tabs = w.form2.findChild<QTabWidget*>("Records");
    w.model.showRecords(2);
    w.form2.hide();  // a finished game shows it again, on the tab it last showed
    w.dialogs.answers = {"Zo\u00eb", "\u738b\u5c0f\u660e \"Q\""};
    w.model.processScore(FinishedGame{840, 3, 9, 250});
    EXPECT_EQ(items(w.form2, "listName_1"), (QStringList{"\u738b\u5c0f\u660e 'Q' (spd=+75%)", "Nobody (100%)"}));
    EXPECT_EQ(w.form2.isVisible(), true);
    EXPECT_EQ(tabs->currentIndex(), 2);

    w.form1.showHighest("", "", "");
    w.form2.close();  // comes back read from the file, the Highest panel filled again
    w.model.showRecords(1);
    EXPECT_EQ(items(w.form2, "listName_1"), (QStringList{"\u738b\u5c0f\u660e 'Q' (spd=+75%)", "Nobody (100%)"}));
    EXPECT_EQ(items(w.form2, "listName_0").first(), "Zo\u00eb (spd=+75%)");
    const auto highest = [&w](const char* name) { return w.form1.findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(highest("lblHScore") + "/" + highest("lblHCombo") + "/" + highest("lblHChain"), "840/3/9");

    std::filesystem::remove("HighScores");  // gone: a game ending while the window is closed finds no rows
    w.form2.close();
    w.model.processScore(FinishedGame{});
    EXPECT_EQ(w.dialogs.messages.size(), 2);  // read again before the ranking
    EXPECT_EQ(items(w.form2, "listName_1").filter("Q"), QStringList{});
    EXPECT_EQ(tabs->currentIndex(), 0);
}
