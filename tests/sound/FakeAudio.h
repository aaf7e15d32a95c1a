#pragma once

#include "sound/AudioDevice.h"

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace quarrix::test {

// An audio device whose buffers are plain records: tests read what was asked of each buffer
// and set its status by hand (finished, terminated) where the mixer would.
class FakeAudio final : public sound::AudioDevice {
public:
    struct Buffer {
        std::string file;
        int device = 0;
        std::uint32_t status = 0;
        std::int32_t pan = 0;
        std::int32_t frequency = 0;
        int plays = 0;
        int stops = 0;
        bool live = true;
    };

    std::vector<std::string> devices{"Speakers", "Headphones"};
    std::map<std::string, std::int32_t> files{{"Dink.wav", 22050}, {"PahTush.wav", 22050}, {"BGM_2.wav", 22050}};
    std::unordered_map<sound::BufferHandle, Buffer> buffers;
    std::vector<sound::BufferHandle> created;  // in order, including failed loads as NoBuffer
    int createCalls = 0;

    std::vector<std::string> deviceDescriptions() override { return devices; }

    sound::BufferHandle createBuffer(const std::string& file, int device) override
    {
        ++createCalls;
        const auto rate = files.find(file);
        if (device < 0 || device >= static_cast<int>(devices.size()) || rate == files.end()) {
            created.push_back(sound::NoBuffer);
            return sound::NoBuffer;
        }
        const sound::BufferHandle h = ++next_;
        buffers[h] = Buffer{file, device, 0, 0, rate->second, 0, 0, true};
        created.push_back(h);
        ++live_;
        return h;
    }

    std::optional<std::uint32_t> status(sound::BufferHandle h) override
    {
        Buffer* b = find(h);
        return b ? std::optional<std::uint32_t>(b->status) : std::nullopt;
    }

    bool anyTerminated() override { return terminated_ > 0; }

    bool play(sound::BufferHandle h, bool looping) override
    {
        Buffer* b = find(h);
        if (b == nullptr) {
            return false;
        }
        ++b->plays;
        assign(*b, looping ? sound::StatusPlaying | sound::StatusLooping : sound::StatusPlaying);
        return true;
    }

    bool stop(sound::BufferHandle h) override
    {
        Buffer* b = find(h);
        if (b == nullptr) {
            return false;
        }
        ++b->stops;
        assign(*b, 0);
        return true;
    }

    bool setPan(sound::BufferHandle h, std::int32_t pan) override
    {
        Buffer* b = find(h);
        return b != nullptr && (b->pan = pan, true);
    }

    std::optional<std::int32_t> frequency(sound::BufferHandle h) override
    {
        Buffer* b = find(h);
        return b ? std::optional<std::int32_t>(b->frequency) : std::nullopt;
    }

    bool setFrequency(sound::BufferHandle h, std::int32_t hz) override
    {
        Buffer* b = find(h);
        return b != nullptr && (b->frequency = hz, true);
    }

    void release(sound::BufferHandle h) override
    {
        if (Buffer* b = find(h)) {
            assign(*b, 0);
            b->live = false;
            --live_;
        }
    }

    const Buffer& at(sound::BufferHandle h) const { return buffers.at(h); }
    void setStatus(sound::BufferHandle h, std::uint32_t st) { assign(buffers.at(h), st); }
    bool isLive(sound::BufferHandle h) const { return h != sound::NoBuffer && buffers.at(h).live; }
    int liveCount() const { return live_; }
    // The buffer most recently created successfully.
    sound::BufferHandle last() const { return next_; }

private:
    Buffer* find(sound::BufferHandle h)
    {
        const auto it = buffers.find(h);
        return it != buffers.end() && it->second.live ? &it->second : nullptr;
    }

    void assign(Buffer& b, std::uint32_t st)
    {
        terminated_ += (st == sound::StatusTerminated ? 1 : 0) - (b.status == sound::StatusTerminated ? 1 : 0);
        b.status = st;
    }

    sound::BufferHandle next_ = 0;
    int live_ = 0;
    int terminated_ = 0;
};

}  // namespace quarrix::test
