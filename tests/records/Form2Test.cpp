#include "RecordsFakes.h"
#include "records/HighScoresWriter.h"
#include "records/ScoreKeeper.h"
#include "ui/Dialogs.h"
#include "ui/Form2.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>

using namespace quarrix;
using namespace quarrix::test;

namespace {

// Answers the input boxes from a queue (cancel once it runs dry) and keeps every text shown.
class ScriptedDialogs final : public ui::Dialogs {
public:
    std::deque<QString> answers;
    QStringList prompts;
    QStringList messages;

    void message(const QString& text) override { messages << text; }
    QString inputBox(const QString& prompt) override
    {
        prompts << prompt;
        if (answers.empty()) {
            return {};
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString openFile(const QString&, const QString&) override { return {}; }
};

const QString LoadError = QString::fromLatin1(records::ScoreKeeper::LoadErrorMessage.data(),
                                              static_cast<qsizetype>(records::ScoreKeeper::LoadErrorMessage.size()));
const QString Placeholder = QString::fromLatin1(records::HighScoreTable::PlaceholderName);

QStringList items(const QWidget& form, const QString& name)
{
    const auto* list = form.findChild<QListWidget*>(name);
    if (list == nullptr) {
        ADD_FAILURE() << "no list box " << name.toStdString();
        return {};
    }
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

QTabWidget* tabsOf(const QWidget& form)
{
    return form.findChild<QTabWidget*>(QStringLiteral("Records"));
}

// Closed windows delete themselves later; the tests own the rest through a QPointer.
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
    void TearDown() override
    {
        delete form.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace

TEST_F(Form2Test, WindowHasItsCaptionTabsTitlesAndHeaders)
{
    const ui::Form2& f = create();
    EXPECT_EQ(f.objectName(), "Form2");
    EXPECT_EQ(f.windowTitle(), "Records");
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.isWindow());
    EXPECT_TRUE(f.testAttribute(Qt::WA_DeleteOnClose));

    QTabWidget* tabs = tabsOf(f);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), "Highest Scores");
    EXPECT_EQ(tabs->tabText(1), "Highest Combos");
    EXPECT_EQ(tabs->tabText(2), "Highest Chains");

    const std::vector<std::pair<QString, QString>> labels = {
        {"Label1", "Highest Score"},
        {"Label2", "Highest Combos"},
        {"Label3", "Highest Chains"},
        {"Label4", "Pos Name (Speed)        Score               Combo             Chain"},
        {"Label5", "Pos Name (Speed)        Combo             Chain                Score"},
        {"Label6", "Pos Name (Speed)        Chain               Score               Combo"},
    };
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const auto* label = f.findChild<QLabel*>(labels[i].first);
        ASSERT_NE(label, nullptr) << labels[i].first.toStdString();
        EXPECT_EQ(label->text(), labels[i].second);
        EXPECT_EQ(label->font().pointSize(), i < 3 ? 24 : 12);
        // Each title and header sits on the page of its own tab.
        EXPECT_EQ(label->parentWidget(), tabs->widget(static_cast<int>(i % 3)));
    }

    QStringList positions;
    for (int p = 1; p <= 10; ++p) {
        positions << QString::number(p);
    }
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(items(f, QStringLiteral("listPos_%1").arg(t)), positions);
    }
}

TEST_F(Form2Test, ControlsSitWhereTheirTwipsSay)
{
    ui::Form2& f = create();
    f.showTab(0);
    QTabWidget* tabs = tabsOf(f);
    const double scale = f.logicalDpiX() / (15.0 * 96.0);
    const auto px = [&](int twips) { return qRound(twips * scale); };

    EXPECT_EQ(f.size(), QSize(px(7470), px(3990)));
    EXPECT_EQ(tabs->geometry(), QRect(px(240), px(240), px(6975), px(3495)));

    // Left of each column on each tab: the key column comes first.
    const std::vector<std::vector<std::pair<QString, int>>> columns = {
        {{"listPos", 120}, {"listName", 600}, {"listScore", 2160}, {"listCombo", 3720}, {"listChain", 5280}},
        {{"listPos", 120}, {"listName", 600}, {"listCombo", 2160}, {"listChain", 3720}, {"listScore", 5280}},
        {{"listPos", 120}, {"listName", 600}, {"listChain", 2160}, {"listScore", 3720}, {"listCombo", 5280}},
    };
    for (int t = 0; t < 3; ++t) {
        f.showTab(t);
        QCoreApplication::processEvents();
        for (const auto& [name, left] : columns[static_cast<std::size_t>(t)]) {
            const QString objectName = name + QStringLiteral("_%1").arg(t);
            const auto* list = f.findChild<QListWidget*>(objectName);
            ASSERT_NE(list, nullptr) << objectName.toStdString();
            const QRect placed(list->mapTo(tabs, QPoint(0, 0)), list->size());
            const int width = name == "listPos" ? 375 : 1500;
            EXPECT_EQ(placed, QRect(px(left), px(1320), px(width), px(2010))) << objectName.toStdString();
            // Ten rows show without scrolling.
            EXPECT_LE(list->sizeHintForRow(0) * 10, list->viewport()->height()) << objectName.toStdString();
        }
        const auto* title = f.findChild<QLabel*>(QStringLiteral("Label%1").arg(t + 1));
        EXPECT_EQ(QRect(title->mapTo(tabs, QPoint(0, 0)), title->size()), QRect(px(360), px(360), px(6135), px(615)));
        const auto* header = f.findChild<QLabel*>(QStringLiteral("Label%1").arg(t + 4));
        EXPECT_EQ(QRect(header->mapTo(tabs, QPoint(0, 0)), header->size()), QRect(px(120), px(960), px(6615), px(255)));
        EXPECT_LE(header->fontMetrics().horizontalAdvance(header->text()), header->width());
    }
}

TEST_F(Form2Test, NoFileShowsTheErrorAndPlaceholderRowsEachTimeItIsCreated)
{
    create();
    EXPECT_EQ(dialogs.messages, QStringList{LoadError});
    EXPECT_EQ(panel.refreshes, 0);
    for (int t = 0; t < 3; ++t) {
        const QString e = QStringLiteral("_%1").arg(t);
        EXPECT_EQ(items(*form, "listName" + e), QStringList{Placeholder});
        EXPECT_EQ(items(*form, "listScore" + e), QStringList{"0"});
        EXPECT_EQ(items(*form, "listCombo" + e), QStringList{"0"});
        EXPECT_EQ(items(*form, "listChain" + e), QStringList{"0"});
    }
    create();
    EXPECT_EQ(dialogs.messages, (QStringList{LoadError, LoadError}));
}

TEST_F(Form2Test, ShowTabMakesTheTabCurrentAndStaysOpen)
{
    ui::Form2& f = create();
    f.showTab(1);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(tabsOf(f)->currentIndex(), 1);
    f.showTab(2);
    f.showTab(0);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(tabsOf(f)->currentIndex(), 0);
}

TEST_F(Form2Test, ClosingDestroysAndANewWindowReloadsTheFile)
{
    ui::Form2& f = create();
    f.showTab(2);
    f.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());

    records::HighScoreTables tables;
    tables[2].storeRow(0, records::ScoreRow{"Chainer (spd=0)", "300", "4", "12"});
    tables[2].storeRow(1, records::ScoreRow{"Second (spd=+50%)", "200", "2", "6"});
    writeFile("HighScores", records::HighScoresWriter::write(tables));
    dialogs.messages.clear();

    ui::Form2& again = create();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(tabsOf(again)->currentIndex(), 0);
    EXPECT_EQ(items(again, "listName_2"), (QStringList{"Chainer (spd=0)", "Second (spd=+50%)"}));
    EXPECT_EQ(items(again, "listChain_2"), (QStringList{"12", "6"}));
    EXPECT_EQ(panel.chain, "12");
    again.showTab(2);
    EXPECT_EQ(tabsOf(again)->currentIndex(), 2);
}

TEST_F(Form2Test, FinishedGameLandsInTheFileThePanelAndTheLists)
{
    ui::Form2& f = create();
    f.showTab(1);
    f.hide();
    dialogs.answers = {QStringLiteral("Ann"), QStringLiteral("Zo\u00eb \"Q\""), QString()};
    f.processScore(FinishedGame{840, 3, 9, 250});

    ASSERT_EQ(dialogs.prompts.size(), 3);
    EXPECT_EQ(dialogs.prompts[0], "You are worth...\n...and have aquired the Number 1Position on the Highest Scores "
                                  "Table!\nPlease Enter Your Name: ");
    EXPECT_EQ(items(f, "listName_0"), (QStringList{"Ann (spd=+75%)", Placeholder}));
    EXPECT_EQ(items(f, "listName_1"), (QStringList{"Zo\u00eb 'Q' (spd=+75%)", Placeholder}));
    EXPECT_EQ(items(f, "listName_2"), (QStringList{" (spd=+75%)", Placeholder}));
    EXPECT_EQ(items(f, "listScore_2"), (QStringList{"840", "0"}));
    EXPECT_EQ((std::vector<std::string>{panel.score, panel.combo, panel.chain}),
              (std::vector<std::string>{"840", "3", "9"}));
    // Shown again on the tab it last showed.
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(tabsOf(f)->currentIndex(), 1);

    // One byte per character in the file, and a new window reads the same rows back.
    EXPECT_NE(readFile("HighScores").find("\"Zo\xEB 'Q' (spd=+75%)\"\r\n"), std::string::npos);
    dialogs.messages.clear();
    ui::Form2& again = create();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(items(again, "listName_1"), (QStringList{"Zo\u00eb 'Q' (spd=+75%)", Placeholder}));
}

TEST_F(Form2Test, FailedSaveIsReportedAndTheWindowGoesOn)
{
    std::filesystem::create_directory("HighScores");
    ui::Form2& f = create();
    dialogs.messages.clear();
    f.processScore(FinishedGame{10, 1, 2, 1000});
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("HighScores'")) << dialogs.messages[0].toStdString();
    EXPECT_TRUE(dialogs.messages[0].contains("Is a directory")) << dialogs.messages[0].toStdString();
    EXPECT_EQ(items(f, "listScore_0"), (QStringList{"10", "0"}));
    EXPECT_TRUE(f.isVisible());
}
