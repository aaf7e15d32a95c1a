#pragma once

#include "OutputDevice.h"

#include <chrono>
#include <memory>
#include <string>

namespace quarrix::sound {

// What the audio layer asks of the system below it: an output device opened by name, whether
// an open one still works, and the time. Tests put a device that can be told to go away here.
class DevicePlatform {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~DevicePlatform() = default;
    // Null when the device cannot be opened now (it is gone, or its sound server is down).
    virtual std::unique_ptr<OutputDevice> open(const std::string& name) = 0;
    virtual bool connected(OutputDevice& device) = 0;
    virtual Clock::time_point now() = 0;
};

}  // namespace quarrix::sound
