#pragma once

#include "AudioDevice.h"
#include "Sound.h"
#include "Voice.h"

#include <AL/alc.h>

#include <chrono>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quarrix::sound {

// What the devices ask of the system below them: an output device opened by name, whether an
// open one still works, and the time. These are the real ones; tests lose a device here.
class DevicePlatform {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~DevicePlatform() = default;
    // Null when the device cannot be opened now (it is gone, or its sound server is down).
    virtual ALCdevice* open(const std::string& name) { return alcOpenDevice(name.c_str()); }
    virtual bool connected(ALCdevice* device);
    virtual Clock::time_point now() { return Clock::now(); }
};

// One output device by name, with its context, its voices and the sounds uploaded to it.
// Opened when first needed and kept open: opening a device costs milliseconds, far too much per
// sound. A device that goes away (its sound server restarts, a headset is unplugged) is closed
// with everything on it and opened again, at most once a second while that fails.
class Device {
public:
    // The names of the output devices OpenAL Soft offers, in its order.
    static std::vector<std::string> names();

    Device(DevicePlatform& platform, std::string name) : platform_(platform), name_(std::move(name)) {}
    ~Device() { close(); }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Whether the device works, with its context current; a lost one is opened again here
    // when the pace allows.
    bool ready();
    // True once after every open: what played on the device before must start again.
    bool takeOpened() { return std::exchange(justOpened_, false); }
    // True once the device has been opened: it is open, or lost and waiting to open again.
    bool everOpened() const { return everOpened_; }
    // A device that failed may have come back since: the next call tries it at once.
    void retryNow();

    // The decoded sound on this device, uploaded the first time; null when it cannot be.
    const SoundBuffers* upload(const std::shared_ptr<const DecodedSound>& decoded);
    // The voice holding `owner`'s sound, or null.
    Voice* voiceOf(BufferHandle owner);
    // A voice bound to `sound` for `owner`. A free or finished voice is taken first; when every
    // voice sounds, the one-shot started longest ago gives way and `cut` names its owner.
    Voice* takeVoice(const SoundBuffers& sound, BufferHandle owner, BufferHandle& cut);
    // Stops `owner`'s voice, if it holds one, and frees it.
    void release(BufferHandle owner);
    // The order of a start, by which the oldest voice is found.
    std::uint64_t nextOrder() { return ++plays_; }
    std::size_t voicesInUse() const;

private:
    struct Upload {
        explicit Upload(const std::shared_ptr<const DecodedSound>& sound) : decoded(sound), buffers(*sound) {}
        std::weak_ptr<const DecodedSound> decoded;  // expired: no buffer plays it any more
        SoundBuffers buffers;
    };

    bool open();
    void close();
    void makeCurrent() const;
    // Where `owner`'s voice is in the pool, or the pool's size for none.
    std::size_t indexOf(BufferHandle owner) const;
    void free(std::size_t index);
    std::size_t freeVoice();
    std::size_t oldestVoice() const;

    DevicePlatform& platform_;
    std::string name_;
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    DevicePlatform::Clock::time_point nextOpen_{};
    bool everOpened_ = false;
    bool justOpened_ = false;
    std::vector<Voice> voices_;
    std::vector<BufferHandle> owners_;  // the buffer whose sound voice i holds, NoBuffer when it is free
    std::uint64_t plays_ = 0;
    std::unordered_map<std::uint64_t, Upload> uploads_;  // by decode version
};

}  // namespace quarrix::sound
