#include "ThreeWindows.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

#include <cstdio>

using namespace quarrix;
using namespace quarrix::test;

static QStringList items(const QWidget& form, const char* name)
{
    QStringList out;
    const auto* list = form.findChild<QListWidget*>(name);
    for (int i = 0; list != nullptr && i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

TEST(Form2, AFinishedGameIsSavedAndReadBackWhenTheWindowComesBack)
{
    ThreeWindows w;
    const ui::Form2& form = w.form2;
    const auto* tabs = form.findChild<QTabWidget*>("Records");
    EXPECT_EQ(w.dialogs.messages.size(), 1);  // no file yet: the load error
    w.model.showRecords(2);
    EXPECT_EQ(form.isVisible(), true);
    EXPECT_EQ(tabs->currentIndex(), 2);
    w.form2.hide();  // a finished game shows it again, on the tab it last showed
    w.dialogs.answers = {"Zo\u00eb", "\u738b\u5c0f\u660e \"Q\""};
    w.model.processScore(FinishedGame{840, 3, 9, 250});
    EXPECT_EQ(items(form, "listName_1"), (QStringList{"\u738b\u5c0f\u660e 'Q' (spd=+75%)", "Nobody (100%)"}));
    EXPECT_EQ(form.isVisible(), true);
    EXPECT_EQ(tabs->currentIndex(), 2);

    EXPECT_NE(readFile("HighScores").find("Zo"), std::string::npos);  // saved

    w.form1.showHighest("", "", "");
    w.form2.close();  // comes back read from the file, the Highest panel filled again
    w.model.showRecords(1);
    EXPECT_EQ(w.dialogs.messages.size(), 1);
    EXPECT_EQ(items(form, "listName_1"), (QStringList{"\u738b\u5c0f\u660e 'Q' (spd=+75%)", "Nobody (100%)"}));
    EXPECT_EQ(items(form, "listName_0").first(), "Zo\u00eb (spd=+75%)");
    const auto highest = [&w](const char* name) { return w.form1.findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(highest("lblHScore"), "840");
    EXPECT_EQ(highest("lblHCombo"), "3");
    EXPECT_EQ(highest("lblHChain"), "9");

    std::remove("HighScores");  // gone: closed and shown again, the window holds the placeholder rows only
    w.form2.close();
    w.model.showRecords(1);
    EXPECT_EQ(w.dialogs.messages.size(), 2);
    EXPECT_EQ(items(form, "listName_1"), QStringList{"Nobody (100%)"});
}
