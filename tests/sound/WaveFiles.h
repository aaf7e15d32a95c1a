#pragma once

#include <sndfile.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace quarrix::test {

inline constexpr double TwoPi = 6.283185307179586;

struct Recording {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples;  // interleaved
    std::size_t frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    float at(std::size_t frame, int channel) const { return samples[frame * channels + channel]; }
};

// A mono 16-bit wave file of `seconds`, sample i being shape(i / rate).
inline bool writeMono(const std::string& path, int rate, double seconds, const std::function<double(double)>& shape)
{
    SF_INFO info{0, rate, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    std::vector<float> data(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<float>(shape(static_cast<double>(i) / rate));
    }
    const auto n = static_cast<sf_count_t>(data.size());
    return f != nullptr && sf_writef_float(f, data.data(), n) == n && sf_close(f) == 0;
}

inline Recording readRecording(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (f == nullptr) {
        return {};
    }
    Recording r{info.samplerate, info.channels,
                std::vector<float>(static_cast<std::size_t>(info.frames * info.channels))};
    r.samples.resize(static_cast<std::size_t>(sf_readf_float(f, r.samples.data(), info.frames) * info.channels));
    sf_close(f);
    return r;
}

}  // namespace quarrix::test
