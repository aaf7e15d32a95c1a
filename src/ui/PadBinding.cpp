#include "PadBinding.h"

#include "Form1.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include <chrono>

namespace quarrix::ui {

namespace {
// What the windows are doing, read from Qt.
pad::PadScene scene()
{
    return {QApplication::activeWindow() != nullptr, QApplication::activePopupWidget() != nullptr,
            QApplication::activeModalWidget() != nullptr};
}

// The open dialog's answer, given as the keyboard gives it.
void answer(Qt::Key key)
{
    QWidget* dialog = QApplication::activeModalWidget();
    QWidget* focus = dialog->focusWidget();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(focus != nullptr ? focus : dialog, &press);
}
}  // namespace

PadBinding::PadBinding(Form1& game, QAction& newGame, Clock clock)
    : game_(game), newGame_(newGame), clock_(std::move(clock))
{
    // Single-shot, armed anew by each poll: a repeating timer would not fire again inside the modal
    // dialog a press may open from within its own poll, and the dialog has to hear the pad.
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PadBinding::poll);
}

std::int64_t PadBinding::steadyMs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

bool PadBinding::start()
{
    // Called again by whichever comes second of the first frame and the first dialog.
    if (!started_ && source_.start()) {
        started_ = true;
        poll();
    }
    return started_;
}

void PadBinding::poll()
{
    const bool active = scene().active;
    const std::int64_t now = clock_();
    while (const auto event = source_.next()) {
        if (const auto press = controls_.feed(*event, now, active)) {
            presses_.push_back(*press);
        }
    }
    if (const auto again = controls_.repeat(now, active)) {
        presses_.push_back(*again);
    }
    timer_.start(source_.anyOpen() ? PlayIntervalMs : IdleIntervalMs);
    // A poll inside a dialog opened by one of these presses takes the rest from the same queue, in order.
    while (!presses_.empty()) {
        const pad::PadSwitch press = presses_.front();
        presses_.pop_front();
        if (const auto command = pad::decide(press, scene())) {
            apply(*command);
        }
    }
}

void PadBinding::apply(Command command)
{
    switch (command) {
    case Command::NewGame: newGame_.trigger(); break;
    case Command::Accept: answer(Qt::Key_Return); break;
    case Command::Cancel: answer(Qt::Key_Escape); break;
    case Command::Left:
    case Command::Right:
    case Command::Turn:
    case Command::Down: game_.command(command); break;  // the path a key press takes, so every key rule holds
    }
}

}  // namespace quarrix::ui
