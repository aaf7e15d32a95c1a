#pragma once

#include "sound/AudioDevice.h"

#include <algorithm>
#include <map>

namespace quarrix::test {

// Buffers are plain records (handle h is records[h - 1]); tests set their status where the mixer would.
class FakeAudio final : public sound::AudioDevice {
    using H = sound::BufferHandle;
    static constexpr std::uint32_t Loop = sound::StatusPlaying | sound::StatusLooping;

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
    std::optional<std::uint32_t> status(H h) override { return valid(h) ? std::optional(at(h).status) : std::nullopt; }
    bool anyTerminated() override { return terminated_ > 0; }
    bool play(H h, bool loop) override { return valid(h) && (setStatus(h, loop ? Loop : sound::StatusPlaying), true); }
    bool stop(H h) override { return valid(h) && (setStatus(h, 0), true); }
    bool setPan(H h, std::int32_t pan) override { return valid(h) && (at(h).pan = pan, true); }
    std::optional<int> frequency(H h) override { return valid(h) ? std::optional(at(h).frequency) : std::nullopt; }
    bool setFrequency(H h, std::int32_t hz) override { return valid(h) && (at(h).frequency = hz, true); }
    void release(H h) override { stop(h) ? void(at(h).live = false) : void(); }

    Buffer& at(H h) { return records.at(h - 1); }
    H last() const { return records.size(); }  // the newest buffer created
    int liveCount() const { return static_cast<int>(std::ranges::count_if(records, &Buffer::live)); }
    void setStatus(H h, std::uint32_t st)
    {
        terminated_ += (st == sound::StatusTerminated) - (at(h).status == sound::StatusTerminated);
        at(h).status = st;
    }

private:
    bool valid(H h)
    {
        const bool live = h >= 1 && h <= records.size() && records[h - 1].live;
        deadCalls += live ? 0 : 1;
        return live;
    }
    int terminated_ = 0;  // kept by setStatus, so that anyTerminated scans nothing
};

}  // namespace quarrix::test
