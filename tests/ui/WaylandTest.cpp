// The real game on a private headless Weston: it runs on the wayland platform, not a fallback,
// and its main window is drawn wherever the compositor put it (under Qt's own title bar).
#include "RecordsFakes.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/prctl.h>

#include <csignal>
#include <optional>

namespace {

const QString Socket = QStringLiteral("quarrix-test");
const QRect Well(32, 64, 193, 482);  // the well's outline in the playfield, in pixels at 96 dpi
constexpr QRgb Black = 0xff000000, PreviewCell = 0xffb8b8b8, FrameDark = 0xff9f9f9f, FrameLight = 0xffffffff;

// Dies with the test even if the test is killed; QProcess kills it when dropped.
void start(QProcess& process, const QString& program, const QStringList& args, const QProcessEnvironment& env,
           const QString& dir)
{
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir);
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, args);
}

bool isFrame(const QImage& shot, const QRect& r, QRgb colour)
{
    bool frame = true;
    for (int x = r.left(); x <= r.right(); ++x) {
        frame = frame && shot.pixel(x, r.top()) == colour && shot.pixel(x, r.bottom()) == colour;
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        frame = frame && shot.pixel(r.left(), y) == colour && shot.pixel(r.right(), y) == colour;
    }
    return frame;
}

// The playfield's top left corner on the screen, found by the well's outline.
std::optional<QPoint> findPlayfield(const QImage& shot)
{
    for (int y = Well.top(); y + Well.height() < shot.height(); ++y) {
        for (int x = Well.left(); x + Well.width() < shot.width(); ++x) {
            const bool line = shot.pixel(x - 1, y - 1) != Black && shot.pixel(x + 1, y + 1) != Black;
            if (line && isFrame(shot, Well.translated(x - Well.left(), y - Well.top()), Black)) {
                return QPoint(x, y) - Well.topLeft();
            }
        }
    }
    return std::nullopt;
}

// Dark pixels of the figure in a panel row, at a distance from the playfield's corner.
int ink(const QImage& shot, QPoint at)
{
    int dark = 0;
    for (int y = at.y(); y < at.y() + 22; ++y) {
        for (int x = at.x(); x < at.x() + 80; ++x) {
            dark += qGray(shot.pixel(x, y)) < 0x60 ? 1 : 0;
        }
    }
    return dark;
}

TEST(Wayland, TheGameRunsNativelyAndDrawsItsMainWindow)
{
    QTemporaryDir dir;
    const QString run = dir.filePath("run"), play = dir.filePath("play"), socket = run + "/" + Socket;
    ASSERT_TRUE(QDir().mkpath(run) && QDir().mkpath(play) &&
                QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    for (const QString sound : {"Dink.wav", "PahTush.wav", "BGM_2.wav"}) {
        ASSERT_TRUE(QFile::copy(QUARRIX_PLAY_DIR "/" + sound, play + "/" + sound));
    }
    const std::string table = "\"Ada\"\r\n\"1230\"\r\n\"4\"\r\n\"2\"\r\n\"NEXT\"\r\n";
    quarrix::test::writeFile((play + "/HighScores").toStdString(), table + table + table);  // no error box comes first
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
    env.remove(QStringLiteral("DISPLAY"));  // nothing to fall back to
    QProcess weston, game, shooter;
    start(weston, QStringLiteral("weston"),
          {"--backend=headless-backend.so", "--use-pixman", "--socket=" + Socket, "--width=1024", "--height=768",
           "--idle-time=0", "--debug"},
          env, dir.path());
    const auto endWeston = qScopeGuard([&] {  // asked first, so that it ends its own helpers
        weston.terminate();
        weston.waitForFinished(3000);
    });
    if (!QTest::qWaitFor([&] { return QFile::exists(socket) || weston.state() == QProcess::NotRunning; }, 5000) ||
        weston.state() != QProcess::Running) {
        GTEST_SKIP() << "a headless Weston cannot start here (are weston and its headless backend installed?)";
    }
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), Socket);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("ALSOFT_DRIVERS"), QStringLiteral("null"));
    start(game, QStringLiteral(QUARRIX_GAME), {}, env, play);

    QImage shot, previous;
    std::optional<QPoint> origin;
    const QRect preview(QPoint(248, 64), QSize(33, 65));
    // Weston fades a new window in: two pictures alike, and the grey of the preview at full strength.
    const auto settled = [&] {
        start(shooter, QStringLiteral("weston-screenshooter"), {}, env, dir.path());
        shooter.waitForFinished(5000);
        const QString file = QDir(dir.path()).entryList({QStringLiteral("wayland-screenshot-*.png")}).value(0);
        previous = std::exchange(shot, file.isEmpty() ? QImage() : QImage(dir.filePath(file)));
        QFile::remove(dir.filePath(file));
        shot.convertTo(QImage::Format_RGB32);
        return (origin = findPlayfield(shot)).has_value() && shot == previous &&
               isFrame(shot, preview.translated(*origin), PreviewCell);
    };
    const bool drawn = QTest::qWaitFor(settled, 15000);
    ASSERT_EQ(game.state(), QProcess::Running) << game.readAllStandardError().toStdString();
    ASSERT_TRUE(drawn) << "no well on the screen, or it never kept still at full strength";
    QFile maps(QStringLiteral("/proc/%1/maps").arg(game.processId()));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_TRUE(maps.readAll().contains("/platforms/libqwayland")) << "not on the wayland platform";

    const QPoint o = *origin;
    EXPECT_TRUE(isFrame(shot, QRect(o + QPoint(238, 32), QSize(55, 103)), Black)) << "the Next box";
    for (const int top : {152, 280, 408}) {  // Highest, Best, Current: an etched line down the left side
        for (int y = top + 20; y < top + 95; ++y) {
            ASSERT_EQ(shot.pixel(o + QPoint(264, y)), FrameDark) << top;
            ASSERT_EQ(shot.pixel(o + QPoint(265, y)), FrameLight) << top;
        }
    }
    // Highest shows the score read from the file: four digits' ink against Current's single "0".
    EXPECT_GT(ink(shot, o + QPoint(360, 184)), 3 * ink(shot, o + QPoint(360, 472)));
}

}  // namespace
