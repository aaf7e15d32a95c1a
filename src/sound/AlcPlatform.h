#pragma once

#include "DevicePlatform.h"

namespace quarrix::sound {

// The real devices of OpenAL Soft and the steady clock.
class AlcPlatform final : public DevicePlatform {
public:
    std::unique_ptr<OutputDevice> open(const std::string& name) override { return OutputDevice::open(name); }
    bool connected(OutputDevice& device) override { return device.connected(); }
    Clock::time_point now() override { return Clock::now(); }
};

}  // namespace quarrix::sound
