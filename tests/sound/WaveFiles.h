#pragma once

#include <sndfile.hh>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace quarrix::test {

inline constexpr double TwoPi = 6.283185307179586;

struct Recording {
    int rate = 0, channels = 0;
    std::vector<float> samples;  // interleaved
    std::size_t frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    float at(std::size_t frame, int channel) const { return samples[frame * channels + channel]; }
};

// A mono 16-bit wave file of `seconds`, sample i being shape(i / rate).
inline bool writeMono(const std::string& path, int rate, double seconds, const std::function<double(double)>& shape)
{
    std::vector<float> data(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<float>(shape(static_cast<double>(i) / rate));
    }
    SndfileHandle f(path, SFM_WRITE, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, rate);  // closed on return
    return f.writef(data.data(), std::ssize(data)) == std::ssize(data);
}

inline Recording readRecording(const std::string& path)
{
    SndfileHandle f(path);
    if (f.error() != SF_ERR_NO_ERROR) {
        return {};  // unreadable
    }
    Recording r{f.samplerate(), f.channels(), std::vector<float>(static_cast<std::size_t>(f.frames() * f.channels()))};
    r.samples.resize(static_cast<std::size_t>(f.readf(r.samples.data(), f.frames()) * f.channels()));
    return r;
}

}  // namespace quarrix::test
