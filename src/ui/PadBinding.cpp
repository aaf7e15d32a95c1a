#include "PadBinding.h"

#include "pad/PadRouter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quarrix::ui {

namespace {
Qt::Key qtKeyFor(Command command)
{
    switch (command) {
    case Command::Left: return Qt::Key_Left;
    case Command::Turn: return Qt::Key_Up;
    case Command::Right: return Qt::Key_Right;
    default: return Qt::Key_Down;
    }
}

void pressKey(QWidget* target, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}
}  // namespace

PadBinding::PadBinding(pad::PadSource& source, const pad::PadClock& clock, QWidget& game, QAction& newGame)
    : source_(source), controls_(clock), game_(game), newGame_(newGame)
{
    // Single-shot, armed anew by each poll: a repeating timer would not fire again inside the modal
    // dialog a press may open from within its own poll, and the dialog has to hear the pad.
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PadBinding::poll);
}

bool PadBinding::start()
{
    if (!source_.start()) {
        return false;
    }
    poll();
    return true;
}

void PadBinding::poll()
{
    while (const auto event = source_.next()) {
        controls_.feed(*event, presses_);
    }
    if (const auto again = controls_.repeat()) {
        presses_.push_back(*again);
    }
    timer_.start(source_.anyOpen() ? PlayIntervalMs : IdleIntervalMs);
    // A poll inside a dialog opened by one of these presses takes the rest from the same queue, in order.
    while (!presses_.empty()) {
        const pad::PadSwitch press = presses_.front();
        presses_.pop_front();
        pad::PadRouter::route(press, *this);
    }
}

bool PadBinding::focused() const
{
    return QApplication::activeWindow() != nullptr;
}

bool PadBinding::dialogOpen() const
{
    return QApplication::activeModalWidget() != nullptr;
}

void PadBinding::move(Command command)
{
    pressKey(&game_, qtKeyFor(command));  // the handler a key press reaches, so every key rule holds
}

void PadBinding::newGame()
{
    newGame_.trigger();
}

void PadBinding::answerDialog(bool accept)
{
    QWidget* dialog = QApplication::activeModalWidget();
    QWidget* focus = dialog->focusWidget();
    pressKey(focus != nullptr ? focus : dialog, accept ? Qt::Key_Return : Qt::Key_Escape);
}

}  // namespace quarrix::ui
