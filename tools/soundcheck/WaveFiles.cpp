#include "WaveFiles.h"

#include <sndfile.hh>

#include <cmath>

namespace quarrix::soundcheck {

std::vector<float> sampled(int rate, double seconds, const std::function<double(double)>& shape)
{
    std::vector<float> data(static_cast<std::size_t>(seconds * rate));
    std::ranges::generate(data, [&, i = 0.0]() mutable { return static_cast<float>(shape(i++ / rate)); });
    return data;
}

bool writeMono(const std::string& path, int rate, double seconds, const std::function<double(double)>& shape)
{
    const std::vector<float> data = sampled(rate, seconds, shape);
    SndfileHandle f(path, SFM_WRITE, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, rate);  // closed on return
    return f.writef(data.data(), std::ssize(data)) == std::ssize(data);
}

Recording readRecording(const std::string& path)
{
    SndfileHandle f(path);  // an unreadable file reports no channels and no frames
    Recording r{f.samplerate(), f.channels(), std::vector<float>(static_cast<std::size_t>(f.frames() * f.channels()))};
    r.samples.resize(static_cast<std::size_t>(f.readf(r.samples.data(), f.frames()) * f.channels()));
    return r;
}

float peak(const Recording& r, int channel, std::size_t from, std::size_t to)
{
    float loudest = 0.0F;
    for (std::size_t f = from; f < to; ++f) {
        loudest = std::max(loudest, std::abs(r.samples[f * static_cast<std::size_t>(r.channels) + channel]));
    }
    return loudest;
}

double frequency(const Recording& r, std::size_t from, std::size_t to)
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
    return (static_cast<double>(rises.size()) - 1.0) * r.rate / static_cast<double>(rises.back() - rises[0]);
}

}  // namespace quarrix::soundcheck
