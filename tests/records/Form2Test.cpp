#include "RecordsFakes.h"
#include "ui/Dialogs.h"
#include "ui/Form2.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>

#include <memory>

using namespace quarrix;
using namespace quarrix::test;

// Answers the input boxes in turn, then cancels; keeps every message shown.
class ScriptedDialogs final : public ui::Dialogs {
public:
    QStringList answers, messages;
    int prompts = 0;
    void message(const QString& text) override { messages << text; }
    QString inputBox(const QString& /*prompt*/) override { return answers.value(prompts++); }
    QString openFile(const QString& /*title*/, const QString& /*filter*/) override { return {}; }
};

static QStringList items(const QWidget& form, const char* name)
{
    QStringList out;
    const auto* list = form.findChild<QListWidget*>(name);
    for (int i = 0; list != nullptr && i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

TEST(Form2, ShowsTabsTakesAFinishedGameIntoTheFileAndANewWindowReadsItBack)
{
    TempWorkingDir dir;
    ScriptedDialogs dialogs;
    RecordsFakes panel;
    QPointer<ui::Form2> form = new ui::Form2(dialogs, panel);  // a closed window deletes itself later
    const auto tab = [&] { return form->findChild<QTabWidget*>("Records")->currentIndex(); };
    EXPECT_EQ(dialogs.messages.size(), 1);  // no file yet: the load error
    for (int t : {2, 0, 1}) {
        form->showTab(t);
        EXPECT_TRUE(form->isVisible() && tab() == t) << t;
    }
    form->hide();
    dialogs.answers = {"Ann", "Zo\u00eb \"Q\""};
    form->processScore(FinishedGame{840, 3, 9, 250});
    EXPECT_EQ(dialogs.prompts, 3);
    EXPECT_EQ(items(*form, "listName_1"), (QStringList{"Zo\u00eb 'Q' (spd=+75%)", "Nobody (100%)"}));
    EXPECT_EQ(items(*form, "listScore_2"), (QStringList{"840", "0"}));
    EXPECT_EQ(panel.highest, (std::vector<std::string>{"840", "3", "9"}));
    EXPECT_TRUE(form->isVisible() && tab() == 1);  // shown again on the tab it last showed
    EXPECT_NE(readFile("HighScores").find("\"Zo\xEB 'Q' (spd=+75%)\"\r\n"), std::string::npos);  // one byte a letter
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());

    panel.highest.clear();
    const auto again = std::make_unique<ui::Form2>(dialogs, panel);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(items(*again, "listName_1"), (QStringList{"Zo\u00eb 'Q' (spd=+75%)", "Nobody (100%)"}));
    EXPECT_EQ(items(*again, "listChain_2"), (QStringList{"9", "0"}));
    EXPECT_EQ(panel.highest, (std::vector<std::string>{"840", "3", "9"}));
}
