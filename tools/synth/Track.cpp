#include "Track.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace quarrix::synth {

Track::Track(int rate, std::size_t frames, bool wrap) : rate_(rate), wrap_(wrap), left_(frames), right_(frames) {}

void Track::add(std::size_t at, float value, float pan)
{
    if (at >= frames()) {
        if (!wrap_) {
            return;
        }
        at %= frames();
    }
    // Equal-power placement keeps instruments at the same loudness wherever they sit.
    const float angle = (pan + 1.0f) * 0.25f * 3.14159265f;
    left_[at] += value * std::cos(angle) * std::sqrt(2.0f);
    right_[at] += value * std::sin(angle) * std::sqrt(2.0f);
}

bool Track::write(const std::string& path, float peak, bool stereo) const
{
    const int channels = stereo ? 2 : 1;
    std::vector<float> out;
    out.reserve(frames() * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames(); ++i) {
        if (stereo) {
            out.push_back(left_[i]);
            out.push_back(right_[i]);
        } else {
            out.push_back((left_[i] + right_[i]) * 0.5f);
        }
    }
    float highest = 0.0f;
    for (const float v : out) {
        highest = std::max(highest, std::abs(v));
    }
    const float gain = highest > 0.0f ? peak / highest : 1.0f;
    for (float& v : out) {
        v *= gain;
    }
    SF_INFO info{};
    info.samplerate = rate_;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        return false;
    }
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const auto count = static_cast<sf_count_t>(frames());
    const bool ok = sf_writef_float(file, out.data(), count) == count;
    return sf_close(file) == 0 && ok;
}

}  // namespace quarrix::synth
