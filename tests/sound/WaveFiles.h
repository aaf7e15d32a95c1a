#pragma once

#include <sndfile.hh>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace quarrix::test {

inline constexpr double TwoPi = 6.283185307179586;

struct Recording {
    int rate = 0, channels = 0;  // both 0 when the file could not be read
    std::vector<float> samples;  // interleaved
    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(std::max(channels, 1)); }
};

// A mono 16-bit wave file of `seconds`, sample i being shape(i / rate).
inline bool writeMono(const std::string& path, int rate, double seconds, const std::function<double(double)>& shape)
{
    std::vector<float> data(static_cast<std::size_t>(seconds * rate));
    std::ranges::generate(data, [&, i = 0.0]() mutable { return static_cast<float>(shape(i++ / rate)); });
    SndfileHandle f(path, SFM_WRITE, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, rate);  // closed on return
    return f.writef(data.data(), std::ssize(data)) == std::ssize(data);
}

inline Recording readRecording(const std::string& path)
{
    SndfileHandle f(path);  // an unreadable file reports no channels and no frames
    Recording r{f.samplerate(), f.channels(), std::vector<float>(static_cast<std::size_t>(f.frames() * f.channels()))};
    r.samples.resize(static_cast<std::size_t>(f.readf(r.samples.data(), f.frames()) * f.channels()));
    return r;
}

// The loudest sample of `channel` in frames [from, to).
inline float peak(const Recording& r, int channel, std::size_t from, std::size_t to)
{
    float loudest = 0.0F;
    for (std::size_t f = from; f < to; ++f) {
        loudest = std::max(loudest, std::abs(r.samples[f * static_cast<std::size_t>(r.channels) + channel]));
    }
    return loudest;
}

// The pitch of the first channel in frames [from, to), by its rising zero crossings.
inline double frequency(const Recording& r, std::size_t from, std::size_t to)
{
    const auto c = static_cast<std::size_t>(r.channels);
    std::vector<std::size_t> rises;
    for (std::size_t f = from + 1; f < to; ++f) {
        if (r.samples[c * (f - 1)] < 0.0F && r.samples[c * f] >= 0.0F) {
            rises.push_back(f);
        }
    }
    if (rises.size() < 2) {
        return 0.0;
    }
    return (rises.size() - 1.0) * r.rate / static_cast<double>(rises.back() - rises[0]);
}

}  // namespace quarrix::test
