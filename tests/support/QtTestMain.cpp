#include <gtest/gtest.h>
#include <QApplication>

#include <cstdlib>

namespace {
QtMessageHandler defaultHandler = nullptr;

// The offscreen platform cannot raise or resize windows and says so every time; that is noise here.
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    defaultHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv)
{
    // Test discovery runs the binary without the test environment; never try a real display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    defaultHandler = qInstallMessageHandler(quietOffscreenNotices);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarrix Solo"));
    return RUN_ALL_TESTS();
}
