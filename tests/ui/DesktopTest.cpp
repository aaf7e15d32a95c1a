// What a desktop sees of the game: the records rows in any script, offscreen; the real game's
// windows on a private Xvfb, as a task bar and a window manager read them.
#include "RecordsFakes.h"
#include "UiFakes.h"
#include "ui/Form2.h"
#include "ui/RecordsList.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

#include <gtest/gtest.h>
#include <sys/prctl.h>

#include <cmath>
#include <csignal>

using namespace quarrix;
using namespace quarrix::test;

namespace {

// Names in Chinese, Japanese, Korean, emoji and Latin, one table row each, best score first.
const std::vector<std::string> Names{
    "\u674e\u5c0f\u9f8d (spd=+50%)",     "\u4f50\u85e4\u82b1\u5b50 (spd=0)",
    "\uae40\ubbfc\uc900 (spd=-25%)",     "\U0001F600\U0001F3AE (spd=+75%)",
    "Zo\u00eb \u00d8rsted (spd=+25%)",   "Marta-Louise (spd=-75%)",
    "\u9234\u6728\u4e00\u90ce (spd=0)",  "Ada (spd=0)",
    "\u738b\u5c0f\u660e 'Q' (spd=+75%)", "Marta-Louise Bergstrom-Lindqvist (spd=-50%)"};

std::string highScores()
{
    std::vector<std::string> items;
    for (int table = 0; table < 3; ++table) {
        for (std::size_t row = 0; row < Names.size(); ++row) {
            const std::string figure = std::to_string(100 - row);
            items.insert(items.end(), {Names[row], figure, figure, figure});
        }
        items.emplace_back("NEXT");
    }
    return quotedLines(items);
}

// The records window on a file of ten rows in every table, shown.
struct RecordsWindow : ::testing::Test {
    TempWorkingDir dir;
    FakeDialogs dialogs;
    RecordsFakes panel;
    std::unique_ptr<ui::Form2> form;

    void SetUp() override
    {
        writeFile("HighScores", highScores());
        form = std::make_unique<ui::Form2>(dialogs, panel);
        form->show();
    }
    ui::RecordsList* list(const char* column, int tab) const
    {
        return form->findChild<ui::RecordsList*>(QString::fromLatin1(column) + QStringLiteral("_%1").arg(tab));
    }
};

TEST_F(RecordsWindow, TheFiveListsShareEveryRowWhateverScriptItsNameIsIn)
{
    ASSERT_EQ(dialogs.messages, QStringList());
    for (int tab = 0; tab < 3; ++tab) {
        form->findChild<QTabWidget*>("Records")->setCurrentIndex(tab);
        ui::RecordsList* name = list("listName", tab);
        ASSERT_NE(name, nullptr);
        ASSERT_EQ(name->count(), 10);
        for (int row = 0; row < name->count(); ++row) {
            SCOPED_TRACE(name->item(row)->text().toStdString());
            const QRect cell = name->visualItemRect(name->item(row));
            for (const char* column : {"listPos", "listScore", "listCombo", "listChain"}) {
                SCOPED_TRACE(column);
                const ui::RecordsList* other = list(column, tab);
                const QRect otherCell = other->visualItemRect(other->item(row));
                EXPECT_EQ(other->viewport()->mapTo(form.get(), otherCell.topLeft()).y(),
                          name->viewport()->mapTo(form.get(), cell.topLeft()).y());
                EXPECT_EQ(otherCell.height(), cell.height());
            }
            // Tall enough for the name's line in whichever face draws it, and inside the box.
            QTextLayout line(name->item(row)->text(), name->font());
            line.beginLayout();
            const int needed = static_cast<int>(std::ceil(line.createLine().height()));
            line.endLayout();
            EXPECT_GE(cell.height(), needed);
            EXPECT_LE(cell.bottom(), name->viewport()->rect().bottom());
        }
    }
}

TEST_F(RecordsWindow, ANameShowsWholeAndItsSpeedSuffixIsCutFirst)
{
    const ui::RecordsList* name = list("listName", 0);
    const QFontMetrics fm = name->fontMetrics();
    const int width = name->viewport()->width();
    // The whole name, then what room is left of the suffix.
    const std::pair<int, QString> whole[]{
        {0, "\u674e\u5c0f\u9f8d (spd"}, {1, "\u4f50\u85e4\u82b1\u5b50 (spd=0)"}, {4, "Zo\u00eb \u00d8rsted (spd"},
        {5, "Marta-Louise ("},          {6, "\u9234\u6728\u4e00\u90ce (spd=0)"}, {7, "Ada (spd=0)"}};
    for (const auto& [row, start] : whole) {
        const QString shown = name->shownText(row);
        SCOPED_TRACE(shown.toStdString());
        EXPECT_EQ(shown.left(start.size()), start);
        EXPECT_LE(fm.horizontalAdvance(shown), width);
    }
    // Too wide on its own: the name is cut and no part of the suffix is left.
    const QString cut = name->shownText(9);
    EXPECT_EQ(cut.left(12), "Marta-Louise");
    EXPECT_EQ(cut.right(1), "\u2026");
    EXPECT_EQ(cut.indexOf("(spd"), -1);
    // The tooltip keeps the whole text.
    EXPECT_EQ(name->item(9)->toolTip().left(Names[9].size()), QString::fromStdString(Names[9]));
    // A name that fits exactly, with no room left for an ellipsis, stays whole without its suffix.
    const QString fits = "\u4f50\u85e4\u82b1\u5b50";
    EXPECT_EQ(ui::elideName(fm, fits + " (spd=0)", fm.horizontalAdvance(fits)), fits);
}

TEST(RecordsList, TenRowsStayInsideABoxShorterThanTenOfTheTallestLines)
{
    ui::RecordsList list(nullptr, QStringLiteral("listName_0"), 8);
    for (int row = 0; row < 10; ++row) {
        list.addItem(QStringLiteral("Ada %1").arg(row));
    }
    list.resize(100, 5 * ui::tallestLine(list.font()));
    list.show();
    EXPECT_LE(list.visualItemRect(list.item(9)).bottom(), list.viewport()->rect().bottom());
    EXPECT_EQ(list.visualItemRect(list.item(9)).top(), 9 * list.visualItemRect(list.item(0)).height());
}

// Dies with the test even if the test is killed; QProcess kills it when dropped.
void start(QProcess& process, const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    process.setProcessEnvironment(env);
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, args);
}

QString run(const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    QProcess process;
    start(process, program, args, env);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A private X server with the game on it, in a folder of its own.
class RealDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "xprop", "xdotool"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty()) {
                GTEST_SKIP() << tool << " is not installed (tools/install-deps.sh installs it)";
            }
        }
        int display = 140 + static_cast<int>(::getpid() % 400);
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)) ||
               QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(display))) {
            ++display;
        }
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("DISPLAY", QStringLiteral(":%1").arg(display));
        env_.insert("QT_QPA_PLATFORM", "xcb");
        env_.insert("ALSOFT_DRIVERS", "null");
        env_.remove("WAYLAND_DISPLAY");
        start(xvfb_, "Xvfb", {env_.value("DISPLAY"), "-screen", "0", "1024x768x24", "-nolisten", "tcp"}, env_);
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display);
        if (!QTest::qWaitFor([&] { return QFile::exists(socket) || xvfb_.state() == QProcess::NotRunning; }, 5000) ||
            xvfb_.state() != QProcess::Running) {
            GTEST_SKIP() << "a private Xvfb cannot start here";
        }
        writeFile(dir_.filePath("HighScores").toStdString(), highScores());
        game_.setWorkingDirectory(dir_.path());
        start(game_, QStringLiteral(QUARRIX_GAME), {}, env_);
    }
    void TearDown() override
    {
        game_.kill();
        game_.waitForFinished();
        xvfb_.terminate();
        xvfb_.waitForFinished(3000);
    }

    // The id of the visible window titled `title` (a pattern), once there is one.
    QString window(const QString& title, int milliseconds = 10000)
    {
        QString ids;
        (void)QTest::qWaitFor(
            [&] {
                ids = run("xdotool", {"search", "--onlyvisible", "--name", title}, env_).trimmed();
                return !ids.isEmpty();
            },
            milliseconds);
        return ids.section('\n', 0, 0);
    }
    // Presses `key` in window `id` until a window titled `title` shows. Without a window manager a
    // window takes keys once it is given the focus itself, and a key typed before that is lost.
    QString open(const QString& id, const QString& key, const QString& title)
    {
        QString shown;
        (void)QTest::qWaitFor(
            [&] {
                run("xdotool", {"windowfocus", "--sync", id}, env_);
                run("xdotool", {"key", key}, env_);
                shown = window(title, 1000);
                return !shown.isEmpty();
            },
            15000);
        return shown;
    }
    QString property(const QString& id, const QString& name) { return run("xprop", {"-id", id, name}, env_); }

    QTemporaryDir dir_;
    QProcessEnvironment env_;
    QProcess xvfb_, game_;
};

QString startupWmClass()
{
    QFile entry(QStringLiteral(QUARRIX_DESKTOP_ENTRY));
    entry.open(QIODevice::ReadOnly);
    return QRegularExpression("^StartupWMClass=(.*)$", QRegularExpression::MultilineOption)
        .match(QString::fromUtf8(entry.readAll()))
        .captured(1);
}

TEST_F(RealDesktop, EveryWindowCarriesTheIconAndTheLaunchersClassAndKeepsItsSize)
{
    const QString main = window(R"(^Quarrix Solo\. - 17/2/2004$)");
    ASSERT_FALSE(main.isEmpty()) << "the main window never showed";
    const QString records = open(main, "F2", "^Records$");
    const QString sound = open(main, "F5", "^Sound Option$");
    const QRegularExpression wmClass(R"re(= "quarrix-solo", "(.*)")re");
    const QRegularExpression sizes(R"(minimum size: (\d+) by (\d+)\s+program specified maximum size: (\d+) by (\d+))");
    // Motif hints: flags, then the functions and the decorations a window manager offers.
    const QRegularExpression motif(R"(= (0x[0-9a-f]+), (0x[0-9a-f]+), (0x[0-9a-f]+))");
    for (const QString& id : {main, records, sound}) {
        SCOPED_TRACE(run("xprop", {"-id", id, "WM_NAME"}, env_).toStdString());
        ASSERT_FALSE(id.isEmpty());
        // The pixels are left out: that there are some is enough.
        EXPECT_EQ(run("xprop", {"-id", id, "-len", "16", "_NET_WM_ICON"}, env_).section(' ', 0, 0),
                  "_NET_WM_ICON(CARDINAL)");
        EXPECT_EQ(wmClass.match(property(id, "WM_CLASS")).captured(1), startupWmClass());
        const QRegularExpressionMatch size = sizes.match(property(id, "WM_NORMAL_HINTS"));
        ASSERT_TRUE(size.hasMatch());
        EXPECT_EQ(size.captured(1), size.captured(3));
        EXPECT_EQ(size.captured(2), size.captured(4));
        const QRegularExpressionMatch hints = motif.match(property(id, "_MOTIF_WM_HINTS"));
        ASSERT_TRUE(hints.hasMatch());
        constexpr unsigned MaximiseFunction = 0x10, MaximiseButton = 0x40;
        EXPECT_EQ(hints.captured(1).toUInt(nullptr, 16) & 3U, 3U);  // both fields are in force
        EXPECT_EQ(hints.captured(2).toUInt(nullptr, 16) & MaximiseFunction, 0U);
        EXPECT_EQ(hints.captured(3).toUInt(nullptr, 16) & MaximiseButton, 0U);
    }
    EXPECT_FALSE(startupWmClass().isEmpty());
}

}  // namespace
