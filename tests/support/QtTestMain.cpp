#include "ui/Language.h"
#include "ui/WindowLook.h"

#include <gtest/gtest.h>
#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Test discovery runs the binary without the test environment; never try a real display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    // English, whatever the desktop speaks, unless a run asks for the desktop's language.
    if (qEnvironmentVariableIsEmpty("QUARRIX_TEST_DESKTOP")) {
        setenv("LC_ALL", "C", 1);
        unsetenv("LANGUAGE");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarrix Solo"));
    QApplication::setFont(quarrix::ui::windowFont());  // as the program does at start-up
    const quarrix::ui::Language language;
    return RUN_ALL_TESTS();
}
