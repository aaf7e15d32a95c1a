#include "RecordsFakes.h"
#include "UiFakes.h"
#include "ui/Form2.h"

#include <gtest/gtest.h>
#include <QListWidget>
#include <QTabWidget>

#include <memory>

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

TEST(Form2, AFinishedGameIsSavedAndReadBackByANewWindow)
{
    TempWorkingDir dir;
    FakeDialogs dialogs;
    RecordsFakes panel;
    const auto form = std::make_unique<ui::Form2>(dialogs, panel);
    EXPECT_EQ(dialogs.messages.size(), 1);  // no file yet: the load error
    form->showTab(2);
    EXPECT_TRUE(form->isVisible() && form->findChild<QTabWidget*>("Records")->currentIndex() == 2);
    form->hide();  // a finished game shows it again, on the tab it last showed
    dialogs.answers = {"Zo\u00eb", "\u738b\u5c0f\u660e \"Q\""};
    form->processScore(FinishedGame{840, 3, 9, 250});
    EXPECT_EQ(items(*form, "listName_1"), (QStringList{"\u738b\u5c0f\u660e 'Q' (spd=+75%)", "Nobody (100%)"}));
    EXPECT_TRUE(form->isVisible() && form->findChild<QTabWidget*>("Records")->currentIndex() == 2);

    panel.highest.clear();
    const auto again = std::make_unique<ui::Form2>(dialogs, panel);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(items(*again, "listName_1"), (QStringList{"\u738b\u5c0f\u660e 'Q' (spd=+75%)", "Nobody (100%)"}));
    EXPECT_EQ(items(*again, "listName_0").first(), "Zo\u00eb (spd=+75%)");
    EXPECT_EQ(panel.highest, (std::vector<std::string>{"840", "3", "9"}));
}
