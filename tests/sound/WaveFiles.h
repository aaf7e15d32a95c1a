#pragma once

#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace quarrix::test {

// Writes the small wave files the tests play, and reads back what a device wrote.
struct Recording {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples;  // interleaved
    std::size_t frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    float at(std::size_t frame, int channel) const
    {
        return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)];
    }
};

inline constexpr double TwoPi = 6.283185307179586;

// A mono 16-bit file of `seconds`, sample i being shape(t) for t = i / rate.
inline bool writeMono(const std::string& path, int rate, double seconds, const std::function<double(double)>& shape,
                      int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (f == nullptr) {
        return false;
    }
    const auto n = static_cast<std::size_t>(seconds * rate);
    std::vector<float> data(n);
    for (std::size_t i = 0; i < n; ++i) {
        data[i] = static_cast<float>(shape(static_cast<double>(i) / rate));
    }
    const bool ok = sf_writef_float(f, data.data(), static_cast<sf_count_t>(n)) == static_cast<sf_count_t>(n);
    return sf_close(f) == 0 && ok;
}

inline bool writeTone(const std::string& path, int rate, double seconds, double hz, double level)
{
    return writeMono(path, rate, seconds, [=](double t) { return level * std::sin(TwoPi * hz * t); });
}

inline Recording readRecording(const std::string& path)
{
    Recording r;
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (f == nullptr) {
        return r;
    }
    r.rate = info.samplerate;
    r.channels = info.channels;
    std::vector<float> chunk(4096 * static_cast<std::size_t>(info.channels));
    sf_count_t got = 0;
    while ((got = sf_readf_float(f, chunk.data(), 4096)) > 0) {
        r.samples.insert(r.samples.end(), chunk.begin(), chunk.begin() + got * info.channels);
    }
    sf_close(f);
    return r;
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder for one test's files.
inline std::filesystem::path scratchFolder(const std::string& name)
{
    const auto dir = std::filesystem::temp_directory_path() / ("quarrix-sound-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace quarrix::test
