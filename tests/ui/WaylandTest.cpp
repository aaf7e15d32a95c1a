// The real game on private display servers: its Wayland traffic on a headless Weston, and on an Xvfb
// its windows' properties, which a task bar and a window manager read.
#include "RecordsFakes.h"
#include "ui/TitleBar.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <wayland-server.h>

#include <csignal>
#include <thread>

namespace {

// Dies with the test even if the test is killed; QProcess kills it when dropped.
void start(QProcess& process, const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    process.setProcessEnvironment(env);
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, args);
}

// The game in `dir`, whose HighScores holds three empty tables, so that no error box comes first.
void startGame(QProcess& game, const QTemporaryDir& dir, QProcessEnvironment env)
{
    quarrix::test::writeFile(dir.filePath("HighScores").toStdString(),
                             quarrix::test::quotedLines({"NEXT", "NEXT", "NEXT"}));
    env.insert(QStringLiteral("ALSOFT_DRIVERS"), QStringLiteral("null"));
    game.setWorkingDirectory(dir.path());
    start(game, QStringLiteral(QUARRIX_GAME), {}, env);
}

TEST(Wayland, TheGameRunsNativelyAndShowsItsMainWindow)
{
    QTemporaryDir dir;  // made for its owner alone, as a runtime folder must be
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    env.remove(QStringLiteral("DISPLAY"));
    QProcess weston, game;
    start(weston, QStringLiteral("weston"),
          {"--backend=headless-backend.so", "--use-pixman", "--socket=quarrix-test", "--idle-time=0"}, env);
    const auto endWeston = qScopeGuard([&] {  // asked first, so that it ends its own helpers
        weston.terminate();
        weston.waitForFinished(3000);
    });
    if (!QTest::qWaitFor(
            [&] { return QFile::exists(dir.filePath("quarrix-test")) || weston.state() == QProcess::NotRunning; },
            5000) ||
        weston.state() != QProcess::Running) {
        GTEST_SKIP() << "a headless Weston cannot start here (are weston and its headless backend installed?)";
    }
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("quarrix-test"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));  // the protocol, to standard error
    startGame(game, dir, env);
    // Named for its desktop entry, of one fixed size with no title bar of Qt's around it (Weston draws
    // none, so the window carries its own), titled, configured, drawn, on the output.
    const QRegularExpression shown(
        R"((?=.*set_app_id\(")" QUARRIX_APP_ID R"("\)))"
        R"((?=.*set_min_size\(([1-9]\d*, [1-9]\d*)\).*set_max_size\(\1\).*set_window_geometry\(0, 0, \1\)))"
        R"(.*set_title\("Quarrix Solo\. - )"
        R"(17/2/2004"\).*ack_configure.*attach\(wl_buffer@.*\.enter\(wl_output@)",
        QRegularExpression::DotMatchesEverythingOption);
    QString traffic;
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.match(traffic += game.readAllStandardError()).hasMatch(); }, 15000))
        << traffic.right(2000).toStdString();
}

// The game's question to a compositor, put to a private one that offers the decoration manager or not.
TEST(Wayland, TheCompositorDrawsTitleBarsWhereItOffersTheDecorationManager)
{
    QTemporaryDir dir;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    static const wl_interface manager{"zxdg_decoration_manager_v1", 1, 0, nullptr, 0, nullptr};
    for (const bool offered : {false, true}) {
        wl_display* compositor = wl_display_create();
        qputenv("WAYLAND_DISPLAY", wl_display_add_socket_auto(compositor));
        if (offered) {
            wl_global_create(compositor, &manager, 1, nullptr, [](wl_client*, void*, uint32_t, uint32_t) {});
        }
        std::thread serving(wl_display_run, compositor);
        EXPECT_EQ(quarrix::ui::compositorDrawsTitleBars(), offered);
        wl_display_terminate(compositor);
        serving.join();
        wl_display_destroy(compositor);
    }
}

TEST(X11, EveryWindowCarriesTheIconAndTheLaunchersClassAndKeepsItsSizeAndTheDesktopsLanguage)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess xvfb, game;
    // The server takes the first free display and names it on its standard output once it listens. It must
    // not reset when its last client leaves: a client connecting meanwhile is refused.
    start(xvfb, "Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"}, env);
    const auto endXvfb = qScopeGuard([&] {  // asked, so that it removes its lock and socket
        xvfb.terminate();
        xvfb.waitForFinished(3000);
    });
    if (!xvfb.waitForReadyRead(5000)) {
        GTEST_SKIP() << "a private Xvfb cannot start here (is xvfb installed?)";
    }
    env.insert("DISPLAY", ":" + xvfb.readLine().trimmed());
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("LANGUAGE", "de_DE:en");  // the desktop's language names the windows
    const auto run = [&](const QStringList& args) {
        QProcess tool;
        start(tool, args.first(), args.mid(1), env);
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    };
    QTemporaryDir dir;
    startGame(game, dir, env);
    // The first window titled `title`; without a window manager a window takes keys once given
    // the focus itself, and a key typed before that is lost, so `key` is pressed until it shows.
    const auto open = [&](const QString& title, const QString& focus = {}, const QString& key = {}) {
        QString id;
        (void)QTest::qWaitFor(
            [&] {
                if (!key.isEmpty()) {
                    run({"xdotool", "windowfocus", "--sync", focus});
                    run({"xdotool", "key", key});
                }
                id = run({"xdotool", "search", "--onlyvisible", "--name", title}).section('\n', 0, 0);
                return !id.isEmpty();
            },
            15000);
        return id;
    };
    const QString main = open(R"(^Quarrix Solo\. .+ 17\.2\.2004$)");  // xdotool reads the dash in the C locale
    ASSERT_FALSE(main.isEmpty()) << game.readAllStandardError().toStdString();
    QFile entry(QStringLiteral(QUARRIX_DESKTOP_ENTRY));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString wmClass = QRegularExpression("\nStartupWMClass=(.*)\n").match(entry.readAll()).captured(1);
    const QRegularExpression sizes(R"(minimum size: (\d+ by \d+)\s+program specified maximum size: (\d+ by \d+))");
    // Motif hints: the functions and the decorations a window manager offers.
    const QRegularExpression motif(R"(= 0x[0-9a-f]+, (0x[0-9a-f]+), (0x[0-9a-f]+))");
    for (const QString& id : {main, open("^Rekorde$", main, "F2"), open("^Soundoptionen$", main, "F5")}) {
        ASSERT_FALSE(id.isEmpty());
        SCOPED_TRACE(run({"xprop", "-id", id, "WM_NAME"}).toStdString());
        // The icon's pixels are left out: that there are some is enough.
        // The icon comes with the first frame, a moment after the window.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return run({"xprop", "-id", id, "-len", "16", "_NET_WM_ICON"}).startsWith("_NET_WM_ICON(CARDINAL)");
            },
            5000));
        EXPECT_EQ(run({"xprop", "-id", id, "WM_CLASS"}), "WM_CLASS(STRING) = \"quarrix-solo\", \"" + wmClass + '"');
        const QRegularExpressionMatch size = sizes.match(run({"xprop", "-id", id, "WM_NORMAL_HINTS"}));
        ASSERT_TRUE(size.hasMatch());
        EXPECT_EQ(size.captured(1), size.captured(2));
        const QRegularExpressionMatch hints = motif.match(run({"xprop", "-id", id, "_MOTIF_WM_HINTS"}));
        ASSERT_TRUE(hints.hasMatch());
        EXPECT_EQ(hints.captured(1).toUInt(nullptr, 16) & 0x10U, 0U);  // maximise
        EXPECT_EQ(hints.captured(2).toUInt(nullptr, 16) & 0x40U, 0U);  // the maximise button
    }
}

}  // namespace
