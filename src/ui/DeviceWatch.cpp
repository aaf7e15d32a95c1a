#include "DeviceWatch.h"

namespace quarrix::ui {

namespace {
// The pace at which a lost device is tried again anyway; looking more often would gain nothing.
constexpr int IntervalMs = 1000;
}  // namespace

DeviceWatch::DeviceWatch(sound::OpenAlAudio& devices, QObject* parent) : QObject(parent), devices_(devices)
{
    timer_.setInterval(IntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { devices_.checkDevices(); });
    devices_.onDeviceOpened([this] { follow(); });
    follow();
}

DeviceWatch::~DeviceWatch()
{
    devices_.onDeviceOpened({});
}

void DeviceWatch::follow()
{
    if (devices_.holdsDevice() && !timer_.isActive()) {
        timer_.start();
    }
}

}  // namespace quarrix::ui
