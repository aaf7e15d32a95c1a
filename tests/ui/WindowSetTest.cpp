#include "UiFakes.h"
#include "sound/OpenAlAudio.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quarrix;

namespace {

class NoPanel final : public records::HighestPanel {
public:
    void showHighest(const std::string& /*s*/, const std::string& /*c*/, const std::string& /*h*/) override {}
};

int countTopLevel(const char* name)
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        n += w->objectName() == QLatin1String(name) ? 1 : 0;
    }
    return n;
}

// A companion window the player closed comes back, freshly loaded, the next time it is needed.
TEST(WindowSet, ClosedWindowsAreCreatedAnewWhenNeeded)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    test::FakeDialogs dialogs;
    sound::OpenAlAudio audio;
    NoPanel panel;
    {
        ui::WindowSet windows(dialogs, audio);
        windows.loadAtStartup(panel);
        ASSERT_EQ(dialogs.messages.size(), 1);  // no HighScores yet
        EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Error: There was an error in loading")));
        EXPECT_FALSE(windows.records().isVisible() || windows.soundOptions().isVisible());

        windows.showRecords(2);
        EXPECT_TRUE(windows.records().isVisible());
        windows.records().close();
        EXPECT_EQ(countTopLevel("Form2"), 0);
        windows.showRecords(1);
        EXPECT_EQ(windows.records().findChild<QTabWidget*>(QStringLiteral("Records"))->currentIndex(), 1);
        EXPECT_EQ(dialogs.messages.size(), 2);  // reloaded, still no file

        windows.soundOptions().close();
        EXPECT_EQ(countTopLevel("Form3"), 0);
        windows.sound().playCollision(2);  // the game reads the window's file name: it comes back
        EXPECT_EQ(countTopLevel("Form3"), 1);
    }
    EXPECT_EQ(countTopLevel("Form2") + countTopLevel("Form3"), 0);
    QDir::setCurrent(previous);
}

}  // namespace
