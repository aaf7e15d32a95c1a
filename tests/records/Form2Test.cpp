#include "RecordsFakes.h"
#include "ui/Dialogs.h"
#include "ui/Form2.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>

using namespace quarrix;
using namespace quarrix::test;

namespace {

// Answers the input boxes in turn, then cancels; keeps every message shown.
class ScriptedDialogs final : public ui::Dialogs {
public:
    QStringList answers, messages;
    int prompts = 0;
    void message(const QString& text) override { messages << text; }
    QString inputBox(const QString& /*prompt*/) override { return answers.value(prompts++); }
    QString openFile(const QString& /*title*/, const QString& /*filter*/) override { return {}; }
};

QStringList items(const QWidget& form, const QString& name)
{
    QStringList out;
    if (const auto* list = form.findChild<QListWidget*>(name)) {
        for (int i = 0; i < list->count(); ++i) {
            out << list->item(i)->text();
        }
    }
    return out;
}

class Form2Test : public ::testing::Test {
protected:
    ui::Form2& create()
    {
        delete form.data();
        form = new ui::Form2(dialogs, panel);
        return *form;
    }
    int tab() const { return form->findChild<QTabWidget*>("Records")->currentIndex(); }
    void TearDown() override { delete form.data(); }

    TempWorkingDir dir;
    ScriptedDialogs dialogs;
    RecordsFakes panel;
    QPointer<ui::Form2> form;  // a closed window deletes itself later
};

}  // namespace

TEST_F(Form2Test, ShowTabSwitchesTabsClosingDestroysAndANewWindowReloadsTheFile)
{
    ui::Form2& f = create();
    EXPECT_EQ(dialogs.messages.size(), 1);  // no file yet: the load error
    EXPECT_EQ(f.findChild<QLabel*>("Label6")->text(),
              "Pos Name (Speed)        Chain               Score               Combo");
    EXPECT_EQ(items(f, "listPos_2"), QString("1 2 3 4 5 6 7 8 9 10").split(' '));
    for (int t : {1, 2, 0}) {
        f.showTab(t);
        EXPECT_TRUE(f.isVisible() && tab() == t) << t;
    }
    f.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());

    writeFile("HighScores",
              quotedLines({"NEXT", "NEXT", "Chainer (spd=0)", "300", "4", "12", "Second", "200", "2", "6", "NEXT"}));
    const ui::Form2& again = create();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(items(again, "listName_2"), (QStringList{"Chainer (spd=0)", "Second"}));
    EXPECT_EQ(items(again, "listChain_2"), (QStringList{"12", "6"}));
    EXPECT_EQ(panel.highest[2], "12");
}

TEST_F(Form2Test, FinishedGameLandsInTheFileThePanelAndTheLists)
{
    ui::Form2& f = create();
    f.showTab(1);
    f.hide();
    dialogs.answers = {"Ann", "Zo\u00eb \"Q\""};
    f.processScore(FinishedGame{840, 3, 9, 250});
    EXPECT_EQ(dialogs.prompts, 3);
    EXPECT_EQ(items(f, "listName_1"), (QStringList{"Zo\u00eb 'Q' (spd=+75%)", "Nobody (100%)"}));
    EXPECT_EQ(items(f, "listScore_2"), (QStringList{"840", "0"}));
    EXPECT_EQ(panel.highest, (std::vector<std::string>{"840", "3", "9"}));
    EXPECT_TRUE(f.isVisible() && tab() == 1);  // shown again on the tab it last showed
    // One byte per character in the file, and a new window reads the same rows back.
    EXPECT_NE(readFile("HighScores").find("\"Zo\xEB 'Q' (spd=+75%)\"\r\n"), std::string::npos);
    EXPECT_EQ(items(create(), "listName_1"), (QStringList{"Zo\u00eb 'Q' (spd=+75%)", "Nobody (100%)"}));
}
