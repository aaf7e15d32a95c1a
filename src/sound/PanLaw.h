#pragma once

#include <cmath>
#include <cstdint>

namespace quarrix::sound {

struct ChannelGains {
    float left = 1.0f;
    float right = 1.0f;
};

// Pan in hundredths of a decibel: the near channel keeps full level and the far one
// is attenuated by |pan|/100 dB, so centre leaves both channels untouched.
inline ChannelGains panGains(std::int32_t pan)
{
    const auto far = static_cast<float>(std::pow(10.0, -std::abs(pan) / 2000.0));
    return pan < 0 ? ChannelGains{1.0f, far} : ChannelGains{far, 1.0f};
}

}  // namespace quarrix::sound
