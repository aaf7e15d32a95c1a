#pragma once

#include "pad/PadControls.h"
#include "pad/PadSource.h"
#include "pad/PadTarget.h"

#include <QObject>
#include <QTimer>

#include <deque>

class QAction;
class QWidget;

namespace quarrix::ui {

// Polls the controllers from a timer on the user-interface thread and hands each press to the
// game's windows as the keyboard would: arrow keys to the main window, New Game to its menu item,
// Enter and Escape to an open modal dialog.
class PadBinding final : public QObject, private pad::PadTarget {
    Q_OBJECT
public:
    // With no controller open, a look for a new one four times a second costs next to nothing.
    static constexpr int IdleIntervalMs = 250;
    static constexpr int PlayIntervalMs = 16;

    PadBinding(pad::PadSource& source, const pad::PadClock& clock, QWidget& game, QAction& newGame);

    // Starts the controller subsystem and the polling; false, and nothing more, when it cannot start.
    bool start();
    // Takes in what the controllers did since the last poll and acts on it.
    void poll();
    int interval() const { return timer_.interval(); }

private:
    bool focused() const override;
    bool dialogOpen() const override;
    void move(Command command) override;
    void newGame() override;
    void answerDialog(bool accept) override;

    pad::PadSource& source_;
    pad::PadControls controls_;
    QWidget& game_;
    QAction& newGame_;
    QTimer timer_;
    std::deque<pad::PadSwitch> presses_;
};

}  // namespace quarrix::ui
