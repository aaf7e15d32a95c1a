#include "game/FixedSeedRandom.h"
#include "sound/LatencySetting.h"
#include "sound/OpenAlAudio.h"
#include "ui/DeviceWatch.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Language.h"
#include "ui/PadBinding.h"
#include "ui/QtDialogs.h"
#include "ui/WindowLook.h"

#include <QAction>
#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    // OpenAL Soft reads its configuration at the first call into it: choose it before anything.
    quarrix::sound::LatencySetting::apply();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarrix Solo"));
    QApplication::setOrganizationName(QStringLiteral("Quarrix"));
    // A Wayland desktop finds the launcher's name and icon for the window by this.
    QApplication::setDesktopFileName(QStringLiteral(QUARRIX_APP_ID));
    // Once for every window, menu and message box.
    QApplication::setFont(quarrix::ui::windowFont());
    // The hidden records and sound windows must not keep the program alive; the main window ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    // The player's language, before any window takes its texts.
    const quarrix::ui::Language language;
    quarrix::ui::QtDialogs dialogs;
    quarrix::sound::OpenAlAudio audio;  // devices and decoded sounds, kept for the whole run
    const quarrix::ui::DeviceWatch watch(audio);
    quarrix::ui::AppModel model(dialogs, audio, quarrix::gameRandom());
    quarrix::ui::Form1 form(model);
    quarrix::ui::Form2 records(model);
    quarrix::ui::Form3 sound(dialogs, model);
    // Every window's icon in task bars and switchers on X11, the icon theme's own copy first. Looking
    // it up and drawing it would hold the first frame up by about 9 ms, so it follows that frame.
    QObject::connect(&form, &quarrix::ui::Form1::firstFrameShown, [] {
        QApplication::setWindowIcon(
            QIcon::fromTheme(QStringLiteral(QUARRIX_APP_ID), QIcon(QStringLiteral(":/" QUARRIX_APP_ID ".svg"))));
    });
    quarrix::ui::PadBinding pad(form, *form.findChild<QAction*>(QStringLiteral("M_F_NewGame")));
    // Controllers are looked for once the window's first frame is on the screen, so that they
    // cost the start nothing; or before a message that comes first, so that the pad can answer it.
    QObject::connect(&form, &quarrix::ui::Form1::firstFrameShown, &pad, &quarrix::ui::PadBinding::start);
    dialogs.setBeforeShowing([&pad] { pad.start(); });
    form.load();  // before showing, as a window's load handler runs
    form.show();
    return QApplication::exec();
}
