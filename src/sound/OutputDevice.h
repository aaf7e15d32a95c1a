#pragma once

#include "AudioDevice.h"
#include "SampleCache.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace quarrix::sound {

// One decoded sound uploaded to a device, split into a left-only and a right-only stereo
// buffer, so two voices with their own gains give an exact pan for mono and stereo files alike.
struct DeviceSound {
    DeviceSound(ALCcontext* context, std::array<ALuint, 2> buffers, int rate)
        : context(context), buffers(buffers), rate(rate)
    {}
    ~DeviceSound();
    DeviceSound(const DeviceSound&) = delete;
    DeviceSound& operator=(const DeviceSound&) = delete;

    ALCcontext* context;
    std::array<ALuint, 2> buffers;  // left channel, right channel
    int rate;
};

// A voice of the mixer: a pair of sources played in step, one per output channel.
struct Voice {
    std::array<ALuint, 2> sources{};
    BufferHandle owner = NoBuffer;
    std::uint64_t started = 0;  // play order, to find the oldest voice
    bool looping = false;
    bool busy = false;
};

// An open output device with its context, its pool of voices and its uploaded sounds.
// Opened once and kept: opening and closing a device is far too slow to do per sound.
class OutputDevice {
public:
    static std::unique_ptr<OutputDevice> open(const std::string& name);
    ~OutputDevice();
    OutputDevice(const OutputDevice&) = delete;
    OutputDevice& operator=(const OutputDevice&) = delete;

    // False once the device has gone away; it stays gone for the rest of the run.
    bool connected();
    void makeCurrent() const;

    // The decoded sound on this device, uploaded the first time it is asked for.
    std::shared_ptr<const DeviceSound> upload(const std::shared_ptr<const DecodedSound>& decoded);

    // A free voice, or -1 when the pool is exhausted.
    int acquireVoice();
    void releaseVoice(int index);
    Voice& voice(int index) { return voices_[static_cast<std::size_t>(index)]; }
    std::size_t voiceCount() const { return voices_.size(); }
    // True while the voice's sources are still playing or paused.
    bool sounding(int index) const;

private:
    OutputDevice(ALCdevice* device, ALCcontext* context);
    bool addVoice();

    ALCdevice* device_;
    ALCcontext* context_;
    bool canDisconnect_;
    bool connected_ = true;
    std::vector<Voice> voices_;
    std::vector<int> free_;
    std::unordered_map<std::uint64_t, std::shared_ptr<const DeviceSound>> uploads_;  // by decode version
};

}  // namespace quarrix::sound
