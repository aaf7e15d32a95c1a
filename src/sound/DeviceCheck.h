#pragma once

#include <functional>

namespace quarrix::sound {

// What a watch over the output devices asks of the audio layer while no sound is played.
class DeviceCheck {
public:
    virtual ~DeviceCheck() = default;
    // True once a device has been opened: it is open now, or lost and waiting to open again.
    virtual bool holdsDevice() const = 0;
    // Opens again, as the pace allows, every device that was open and has gone away since.
    // Costs one query per open device while all of them work.
    virtual void checkDevices() = 0;
    // `opened` runs after every device opened (again); an empty function stops that.
    virtual void onDeviceOpened(std::function<void()> opened) = 0;
};

}  // namespace quarrix::sound
