#include "RecordsFakes.h"
#include "records/ScoreKeeper.h"
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
    QString inputBox(const QString&) override { return answers.value(prompts++); }
    QString openFile(const QString&, const QString&) override { return {}; }
};

const QString Placeholder = QString::fromLatin1(records::HighScoreTable::PlaceholderName);

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

QTabWidget* tabsOf(const QWidget& form)
{
    return form.findChild<QTabWidget*>(QStringLiteral("Records"));
}

// A closed window deletes itself later; the QPointer notices.
class Form2Test : public ::testing::Test {
protected:
    TempWorkingDir dir;
    ScriptedDialogs dialogs;
    RecordedPanel panel;
    QPointer<ui::Form2> form;

    ui::Form2& create()
    {
        delete form.data();
        form = new ui::Form2(dialogs, panel);
        return *form;
    }
    void TearDown() override { delete form.data(); }
};

}  // namespace

TEST_F(Form2Test, CaptionTabsTitlesHeadersAndPositions)
{
    const ui::Form2& f = create();
    EXPECT_EQ(f.windowTitle(), "Records");
    const QTabWidget* tabs = tabsOf(f);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
              (QStringList{"Highest Scores", "Highest Combos", "Highest Chains"}));
    const QString titles[] = {"Highest Score", "Highest Combos", "Highest Chains"};
    // The blank runs line the captions up over the list boxes.
    const QString headers[] = {"Pos Name (Speed)        Score               Combo             Chain",
                               "Pos Name (Speed)        Combo             Chain                Score",
                               "Pos Name (Speed)        Chain               Score               Combo"};
    for (int t = 0; t < 3; ++t) {
        const auto* title = f.findChild<QLabel*>(QStringLiteral("Label%1").arg(t + 1));
        const auto* header = f.findChild<QLabel*>(QStringLiteral("Label%1").arg(t + 4));
        ASSERT_TRUE(title != nullptr && header != nullptr) << t;
        EXPECT_EQ(title->text(), titles[t]);
        EXPECT_EQ(header->text(), headers[t]);
        // Both sit on the page of their own tab.
        EXPECT_TRUE(title->parentWidget() == tabs->widget(t) && header->parentWidget() == tabs->widget(t)) << t;
        EXPECT_EQ(items(f, QStringLiteral("listPos_%1").arg(t)), QString("1 2 3 4 5 6 7 8 9 10").split(' '));
    }
}

TEST_F(Form2Test, ShowTabSwitchesTabsClosingDestroysAndANewWindowReloadsTheFile)
{
    ui::Form2& f = create();
    EXPECT_EQ(dialogs.messages.size(), 1);  // no file yet: the load error
    EXPECT_FALSE(f.isVisible());
    for (int t : {1, 2, 0}) {
        f.showTab(t);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(tabsOf(f)->currentIndex(), t);
    }
    f.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());

    writeFile("HighScores",
              quotedLines({"NEXT", "NEXT", "Chainer (spd=0)", "300", "4", "12", "Second", "200", "2", "6", "NEXT"}));
    dialogs.messages.clear();
    const ui::Form2& again = create();
    EXPECT_TRUE(dialogs.messages.isEmpty());
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
    EXPECT_EQ(items(f, "listName_0"), (QStringList{"Ann (spd=+75%)", Placeholder}));
    EXPECT_EQ(items(f, "listName_1"), (QStringList{"Zo\u00eb 'Q' (spd=+75%)", Placeholder}));
    EXPECT_EQ(items(f, "listScore_2"), (QStringList{"840", "0"}));
    EXPECT_EQ(panel.highest, (std::vector<std::string>{"840", "3", "9"}));
    EXPECT_TRUE(f.isVisible());  // shown again on the tab it last showed
    EXPECT_EQ(tabsOf(f)->currentIndex(), 1);

    // One byte per character in the file, and a new window reads the same rows back.
    EXPECT_NE(readFile("HighScores").find("\"Zo\xEB 'Q' (spd=+75%)\"\r\n"), std::string::npos);
    const ui::Form2& again = create();
    EXPECT_EQ(items(again, "listName_1"), (QStringList{"Zo\u00eb 'Q' (spd=+75%)", Placeholder}));
}
