#pragma once

#include <algorithm>
#include <cmath>  // for the shapes the callers give
#include <functional>
#include <string>
#include <vector>

// Made-up sounds and what a recording holds, for the sound tests and benchmarks.
namespace quarrix::soundcheck {

inline constexpr double TwoPi = 6.283185307179586;

struct Recording {
    int rate = 0, channels = 0;  // both 0 when the file could not be read
    std::vector<float> samples;  // interleaved
    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(std::max(channels, 1)); }
};

// `seconds` of samples at `rate`, sample i being shape(i / rate).
std::vector<float> sampled(int rate, double seconds, const std::function<double(double)>& shape);

// A mono 16-bit wave file of those samples.
bool writeMono(const std::string& path, int rate, double seconds, const std::function<double(double)>& shape);

// The samples of a wave file; no channels and no samples when it cannot be read.
Recording readRecording(const std::string& path);

// The loudest sample of `channel` in frames [from, to).
float peak(const Recording& r, int channel, std::size_t from, std::size_t to);

// The pitch of the first channel in frames [from, to), by its rising zero crossings.
double frequency(const Recording& r, std::size_t from, std::size_t to);

}  // namespace quarrix::soundcheck
