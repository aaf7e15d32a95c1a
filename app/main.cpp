#include "game/FixedSeedRandom.h"
#include "sound/LatencySetting.h"
#include "sound/OpenAlAudio.h"
#include "ui/DeviceWatch.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"
#include "ui/WindowLook.h"
#include "ui/WindowSet.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // OpenAL Soft reads its configuration at the first call into it: choose it before anything.
    quarrix::sound::LatencySetting::apply();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarrix Solo"));
    QApplication::setOrganizationName(QStringLiteral("Quarrix"));
    // Once for every window, menu and message box.
    QApplication::setFont(quarrix::ui::windowFont());
    // The hidden companion windows must not keep the program alive; the main window ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    quarrix::ui::QtDialogs dialogs;
    quarrix::sound::OpenAlAudio audio;  // devices and decoded sounds, kept for the whole run
    const quarrix::ui::DeviceWatch watch(audio);
    quarrix::ui::WindowSet windows(dialogs, audio);
    quarrix::ui::Form1 form(dialogs, windows, quarrix::gameRandom());
    form.load();  // before showing, as a window's load handler runs
    form.show();
    return QApplication::exec();
}
