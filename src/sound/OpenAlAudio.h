#pragma once

#include "AudioDevice.h"
#include "Device.h"
#include "Sound.h"

#include <functional>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace quarrix::sound {

// Sound output over OpenAL Soft, wave files decoded with libsndfile.
// Decoded samples are cached per file and each device is opened once, so loading a sound
// costs a file stamp check and a lookup. A buffer holds a voice only while it sounds: a
// finished one-shot hands its voice back and is left as a small record. When every voice is
// busy the oldest one-shot is cut and reports StatusTerminated.
// With no device or a bad file, operations fail quietly.
// A device that goes away is opened again (see Device) by the next operation on it, or by
// checkDevices while nothing plays. Music that was looping then starts again on the new
// device; every other sound is uploaded again from its decoded samples when next played.
class OpenAlAudio final : public AudioDevice {
public:
    OpenAlAudio() : OpenAlAudio(ownPlatform_) {}
    explicit OpenAlAudio(DevicePlatform& platform) : platform_(platform) {}
    OpenAlAudio(const OpenAlAudio&) = delete;
    OpenAlAudio& operator=(const OpenAlAudio&) = delete;

    std::vector<std::string> deviceDescriptions() override;
    BufferHandle createBuffer(const std::string& file, int device) override;
    std::optional<std::uint32_t> status(BufferHandle buffer) override;
    bool anyTerminated() override { return !cutOff_.empty(); }
    bool play(BufferHandle buffer, bool looping) override;
    bool stop(BufferHandle buffer) override;
    bool setPan(BufferHandle buffer, std::int32_t pan) override;
    std::optional<std::int32_t> frequency(BufferHandle buffer) override;
    bool setFrequency(BufferHandle buffer, std::int32_t hz) override;
    void release(BufferHandle buffer) override;

    // True once a device has been opened: it is open now, or lost and waiting to open again.
    bool holdsDevice() const;
    // Opens again, as the pace allows, every device that was open and has gone away since.
    // Costs one query per open device while all of them work.
    void checkDevices();
    // `opened` runs after every device opened (again); an empty function stops that.
    void onDeviceOpened(std::function<void()> opened) { deviceOpened_ = std::move(opened); }
    // Buffers currently holding a voice; for checks that finished sounds let theirs go.
    std::size_t voicesInUse() const;

private:
    struct Record {
        Device* device = nullptr;
        std::shared_ptr<const DecodedSound> decoded;
        std::int32_t frequency = 0;
        std::int32_t pan = 0;
        bool looping = false;  // started looping and not stopped since, also while the device is away
    };

    Record* find(BufferHandle buffer);
    // Whether the device works, with its context current. A device opened (again) here first
    // starts the music that was looping on it.
    bool ready(Device& device);
    // Readies the record's device and hands `change` its voice, if it holds one.
    template <typename Change>
    bool onVoice(BufferHandle buffer, const Record& rec, Change change);
    // A voice for the record's sound, started with its pan, pitch and looping.
    bool start(BufferHandle buffer, const Record& rec);
    static float pitchOf(const Record& rec);

    DevicePlatform ownPlatform_;  // the real one, unless another is given
    DevicePlatform& platform_;
    std::vector<std::string> names_;
    bool enumerated_ = false;
    std::map<std::string, Device> devices_;  // a map, so a device never moves
    SampleCache samples_;
    std::unordered_map<BufferHandle, Record> records_;
    BufferHandle lastHandle_ = NoBuffer;       // handles are never used twice
    std::unordered_set<BufferHandle> cutOff_;  // buffers whose voice went to a newer sound
    std::function<void()> deviceOpened_;
};

}  // namespace quarrix::sound
