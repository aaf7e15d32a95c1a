#pragma once

#include "pad/PadRules.h"
#include "pad/SdlPadSource.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <functional>

class QAction;

namespace quarrix::ui {

class Form1;

// Polls the controllers from a timer on the user-interface thread, asks the pad's rules what each
// press means in what the windows are doing, and does it: a move to the main window as a key's,
// New Game through its menu item, Enter or Escape to an open modal dialog.
class PadBinding final : public QObject {
    Q_OBJECT
public:
    // With no controller open, a look for a new one four times a second costs next to nothing.
    static constexpr int IdleIntervalMs = 250;
    static constexpr int PlayIntervalMs = 16;
    using Clock = std::function<std::int64_t()>;  // milliseconds, never going back

    PadBinding(Form1& game, QAction& newGame, Clock clock = steadyMs);

    // Starts the controller subsystem and the polling, once; false when controllers cannot be used.
    bool start();
    // Takes in what the controllers did since the last poll and acts on it.
    void poll();
    int interval() const { return timer_.interval(); }

private:
    static std::int64_t steadyMs();
    void apply(Command command);

    pad::SdlPadSource source_;
    pad::PadControls controls_;
    Form1& game_;
    QAction& newGame_;
    Clock clock_;
    QTimer timer_;
    bool started_ = false;
    std::deque<pad::PadSwitch> presses_;
};

}  // namespace quarrix::ui
