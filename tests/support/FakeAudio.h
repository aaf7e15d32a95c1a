#pragma once

#include "sound/AudioDevice.h"

#include <algorithm>
#include <map>

namespace quarrix::test {

// Buffers are plain records (handle h is records[h - 1]); tests set their status where the mixer would.
class FakeAudio final : public sound::AudioDevice {
    using H = sound::BufferHandle;

public:
    struct Buffer {
        std::string file;
        std::int32_t device = 0, pan = 0, frequency = 0;
        std::uint32_t status = 0;
        bool live = true;
    };

    std::vector<std::string> devices{"Speakers", "Headphones"};
    std::map<std::string, std::int32_t> files{{"Dink.wav", 22050}, {"PahTush.wav", 22050}, {"BGM_2.wav", 22050}};
    std::vector<Buffer> records;
    int createCalls = 0, deadCalls = 0;  // deadCalls: operations on an empty or released handle

    std::vector<std::string> deviceDescriptions() override { return devices; }
    H createBuffer(const std::string& file, int device) override
    {
        ++createCalls;
        const auto rate = files.find(file);
        if (device < 0 || device >= std::ssize(devices) || rate == files.end()) {
            return sound::NoBuffer;
        }
        records.push_back(Buffer{file, device, 0, rate->second});
        return records.size();
    }
    std::optional<std::uint32_t> status(H h) override { return get(h, &Buffer::status); }
    bool anyTerminated() override { return std::ranges::count(records, sound::StatusTerminated, &Buffer::status) > 0; }
    bool play(H h, bool looping) override
    {
        return set(h, &Buffer::status,
                   sound::StatusPlaying | (static_cast<std::uint32_t>(looping) * sound::StatusLooping));
    }
    bool stop(H h) override { return set(h, &Buffer::status, 0U); }
    bool setPan(H h, std::int32_t pan) override { return set(h, &Buffer::pan, pan); }
    std::optional<int> frequency(H h) override { return get(h, &Buffer::frequency); }
    bool setFrequency(H h, std::int32_t hz) override { return set(h, &Buffer::frequency, hz); }
    void release(H h) override
    {
        if (stop(h)) {
            at(h).live = false;
        }
    }

    Buffer& at(H h) { return records.at(h - 1); }
    int liveCount() const { return static_cast<int>(std::ranges::count_if(records, &Buffer::live)); }

private:
    Buffer* live(H h)
    {
        if (h >= 1 && h <= records.size() && records[h - 1].live) {
            return &records[h - 1];
        }
        ++deadCalls;
        return nullptr;
    }
    template <typename T>
    std::optional<T> get(H h, T Buffer::*field)
    {
        if (const Buffer* b = live(h)) {
            return b->*field;
        }
        return std::nullopt;
    }
    template <typename T>
    bool set(H h, T Buffer::*field, T value)
    {
        if (Buffer* b = live(h)) {
            b->*field = value;
            return true;
        }
        return false;
    }
};

}  // namespace quarrix::test
