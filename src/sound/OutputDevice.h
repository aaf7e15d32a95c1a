#pragma once

#include "AudioDevice.h"
#include "PanLaw.h"
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

// Where a voice's sources stand: never started since their buffer was bound, playing,
// paused, or run to their end (or stopped).
enum class VoiceState { Initial, Playing, Paused, Stopped };

// An open output device with its context, its pool of voices and its uploaded sounds.
// Opened once and kept: opening and closing a device is far too slow to do per sound.
// Every call into OpenAL Soft is made here, so the layers above deal in voices and sounds.
// Voice operations act on the current context: make this device's current first.
class OutputDevice {
public:
    // The names of the output devices OpenAL Soft offers, in its order.
    static std::vector<std::string> deviceNames();
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
    VoiceState state(int index) const;
    // True while the voice's sources are still playing or paused.
    bool sounding(int index) const;
    // Binds the sound to the voice's two sources, one channel each.
    void bind(int index, const DeviceSound& sound);
    // Starts or resumes the voice; it counts as started now when the oldest is looked for.
    void play(int index, bool looping);
    // Pauses a playing voice, keeping its position for the next play.
    void pause(int index);
    void setGains(int index, ChannelGains g);
    void setPitch(int index, float pitch);

private:
    OutputDevice(ALCdevice* device, ALCcontext* context);
    bool addVoice();

    ALCdevice* device_;
    ALCcontext* context_;
    bool canDisconnect_;
    bool connected_ = true;
    std::vector<Voice> voices_;
    std::vector<int> free_;
    std::uint64_t plays_ = 0;
    std::unordered_map<std::uint64_t, std::shared_ptr<const DeviceSound>> uploads_;  // by decode version
};

}  // namespace quarrix::sound
