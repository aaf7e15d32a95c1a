#pragma once

#include "sound/AudioDevice.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace quarrix::test {

// Buffers are plain records: tests read what was asked of them and set the status by hand
// (finished, terminated) where the mixer would. Handle h is records[h - 1].
class FakeAudio final : public sound::AudioDevice {
public:
    struct Buffer {
        std::string file;
        int device = 0;
        std::uint32_t status = 0;
        std::int32_t pan = 0;
        std::int32_t frequency = 0;
        bool live = true;
    };

    std::vector<std::string> devices{"Speakers", "Headphones"};
    std::map<std::string, std::int32_t> files{{"Dink.wav", 22050}, {"PahTush.wav", 22050}, {"BGM_2.wav", 22050}};
    std::vector<Buffer> records;
    int createCalls = 0;
    int deadCalls = 0;  // operations on an empty or released handle

    std::vector<std::string> deviceDescriptions() override { return devices; }
    sound::BufferHandle createBuffer(const std::string& file, int device) override
    {
        ++createCalls;
        const auto rate = files.find(file);
        if (device < 0 || device >= static_cast<int>(devices.size()) || rate == files.end()) {
            return sound::NoBuffer;
        }
        records.push_back(Buffer{file, device, 0, 0, rate->second});
        return records.size();
    }
    std::optional<std::uint32_t> status(sound::BufferHandle h) override
    {
        const Buffer* b = find(h);
        return b ? std::optional(b->status) : std::nullopt;
    }
    bool anyTerminated() override { return terminated_ > 0; }
    bool play(sound::BufferHandle h, bool loop) override
    {
        return find(h) &&
               (setStatus(h, loop ? sound::StatusPlaying | sound::StatusLooping : sound::StatusPlaying), true);
    }
    bool stop(sound::BufferHandle h) override { return find(h) && (setStatus(h, 0), true); }
    bool setPan(sound::BufferHandle h, std::int32_t pan) override { return find(h) && (find(h)->pan = pan, true); }
    std::optional<std::int32_t> frequency(sound::BufferHandle h) override
    {
        const Buffer* b = find(h);
        return b ? std::optional(b->frequency) : std::nullopt;
    }
    bool setFrequency(sound::BufferHandle h, std::int32_t hz) override
    {
        return find(h) && (find(h)->frequency = hz, true);
    }
    void release(sound::BufferHandle h) override
    {
        if (find(h)) {
            setStatus(h, 0);
            find(h)->live = false;
        }
    }

    const Buffer& at(sound::BufferHandle h) const { return records.at(h - 1); }
    bool isLive(sound::BufferHandle h) const { return h != sound::NoBuffer && at(h).live; }
    sound::BufferHandle last() const { return records.size(); }  // the newest buffer created
    int liveCount() const
    {
        return static_cast<int>(std::count_if(records.begin(), records.end(), [](const Buffer& b) { return b.live; }));
    }
    void setStatus(sound::BufferHandle h, std::uint32_t st)
    {
        Buffer& b = records.at(h - 1);
        terminated_ += (st == sound::StatusTerminated) - (b.status == sound::StatusTerminated);
        b.status = st;
    }

private:
    Buffer* find(sound::BufferHandle h)
    {
        const bool ok = h >= 1 && h <= records.size() && records[h - 1].live;
        deadCalls += ok ? 0 : 1;
        return ok ? &records[h - 1] : nullptr;
    }
    int terminated_ = 0;
};

}  // namespace quarrix::test
