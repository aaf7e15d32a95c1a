// The real game on a private headless Weston, with no X server to fall back to: the game's own
// Wayland traffic shows its main window titled, configured by the compositor, drawn and on the screen.
#include "RecordsFakes.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/prctl.h>

#include <csignal>

namespace {

// Dies with the test even if the test is killed; QProcess kills it when dropped.
void start(QProcess& process, const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    process.setProcessEnvironment(env);
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, args);
}

TEST(Wayland, TheGameRunsNativelyAndShowsItsMainWindow)
{
    QTemporaryDir dir;
    const QString run = dir.filePath("run"), socket = run + "/quarrix-test";
    ASSERT_TRUE(QDir().mkpath(run));
    ASSERT_TRUE(QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    quarrix::test::writeFile(dir.filePath("HighScores").toStdString(),
                             quarrix::test::quotedLines({"NEXT", "NEXT", "NEXT"}));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
    env.remove(QStringLiteral("DISPLAY"));
    QProcess weston, game;
    start(weston, QStringLiteral("weston"),
          {"--backend=headless-backend.so", "--use-pixman", "--socket=quarrix-test", "--idle-time=0"}, env);
    const auto endWeston = qScopeGuard([&] {  // asked first, so that it ends its own helpers
        weston.terminate();
        weston.waitForFinished(3000);
    });
    if (!QTest::qWaitFor([&] { return QFile::exists(socket) || weston.state() == QProcess::NotRunning; }, 5000) ||
        weston.state() != QProcess::Running) {
        GTEST_SKIP() << "a headless Weston cannot start here (are weston and its headless backend installed?)";
    }
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("quarrix-test"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));  // the protocol, to standard error
    env.insert(QStringLiteral("ALSOFT_DRIVERS"), QStringLiteral("null"));
    game.setWorkingDirectory(dir.path());  // no error box comes first: the file holds three empty tables
    start(game, QStringLiteral(QUARRIX_GAME), {}, env);
    // Named for its desktop entry and titled, then configured by the compositor, a picture attached, on the output.
    const QRegularExpression shown(R"((?=.*set_app_id\(")" QUARRIX_APP_ID R"("\)).*set_title\("Quarrix Solo\. - )"
                                   R"(17/2/2004"\).*ack_configure.*attach\(wl_buffer@.*\.enter\(wl_output@)",
                                   QRegularExpression::DotMatchesEverythingOption);
    QString traffic;
    const bool found =
        QTest::qWaitFor([&] { return shown.match(traffic += game.readAllStandardError()).hasMatch(); }, 15000);
    EXPECT_TRUE(found) << traffic.right(2000).toStdString();
    game.kill();
    game.waitForFinished();
}

}  // namespace
