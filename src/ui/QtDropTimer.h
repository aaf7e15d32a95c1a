#pragma once

#include "game/GameServices.h"

#include <QTimer>

namespace quarrix::ui {

// The drop timer on a QTimer, whose ticks Form1::Timer1_Timer takes; it runs only while a game
// does, so an idle game costs no CPU.
class QtDropTimer final : public DropTimer {
public:
    explicit QtDropTimer(QObject* parent);

    bool enabled() const override { return timer_->isActive(); }
    void setEnabled(bool on) override;
    int interval() const override { return timer_->interval(); }
    void setInterval(int milliseconds) override { timer_->setInterval(milliseconds); }

    QTimer* timer() const { return timer_; }

private:
    QTimer* timer_;
};

}  // namespace quarrix::ui
