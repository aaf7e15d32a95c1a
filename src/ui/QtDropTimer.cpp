#include "QtDropTimer.h"

namespace quarrix::ui {

QtDropTimer::QtDropTimer(QObject* parent) : timer_(new QTimer(parent))
{
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(1000);
}

void QtDropTimer::setEnabled(bool on)
{
    if (on == timer_->isActive()) {
        return;  // switching a running timer on again must not restart its period
    }
    if (on) {
        timer_->start();
    } else {
        timer_->stop();
    }
}

}  // namespace quarrix::ui
