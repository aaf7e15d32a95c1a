#pragma once

#include "sound/OpenAlAudio.h"

#include <QObject>
#include <QTimer>

namespace quarrix::ui {

// Brings a lost output device back while no sound is played (the title screen, a finished game,
// the records window), so the music returns by itself once its sound server is back. Looks once
// a second, and only from when the audio layer first holds a device: without a sound card the
// timer never runs.
class DeviceWatch final : public QObject {
public:
    explicit DeviceWatch(sound::OpenAlAudio& devices, QObject* parent = nullptr);
    ~DeviceWatch() override;
    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

    bool watching() const { return timer_.isActive(); }

private:
    void follow();

    sound::OpenAlAudio& devices_;
    QTimer timer_;
};

}  // namespace quarrix::ui
