#pragma once

#include "AlcPlatform.h"
#include "AudioDevice.h"
#include "DeviceCheck.h"
#include "DeviceLinks.h"
#include "DevicePlatform.h"
#include "HandleTable.h"
#include "SampleCache.h"
#include "VoiceAllocator.h"

namespace quarrix::sound {

// Sound output over OpenAL Soft, wave files decoded with libsndfile.
// Decoded samples are cached per file and each device is opened once, so loading a sound
// costs a file stamp check and a lookup. A buffer holds a voice only while it sounds: a
// finished one-shot hands its voice back and is left as a small record. When every voice is
// busy the oldest one-shot is cut and reports StatusTerminated.
// With no device or a bad file, operations fail quietly.
// A device that goes away is noticed by the next operation on it and opened again (see
// DeviceLinks). Music that was looping starts again on the new device; every other sound is
// uploaded again from its decoded samples when next played. While nothing plays, checkDevices
// does the same for a device that has gone away.
class OpenAlAudio final : public AudioDevice, public DeviceCheck, private DeviceLinks::Listener {
public:
    OpenAlAudio() : OpenAlAudio(ownPlatform_) {}
    explicit OpenAlAudio(DevicePlatform& platform) : links_(platform, *this) {}
    ~OpenAlAudio() override;
    OpenAlAudio(const OpenAlAudio&) = delete;
    OpenAlAudio& operator=(const OpenAlAudio&) = delete;

    std::vector<std::string> deviceDescriptions() override { return links_.descriptions(); }
    BufferHandle createBuffer(const std::string& file, int device) override;
    std::optional<std::uint32_t> status(BufferHandle buffer) override;
    bool anyTerminated() override { return table_.anyTerminated(); }
    bool play(BufferHandle buffer, bool looping) override;
    bool stop(BufferHandle buffer) override;
    bool setPan(BufferHandle buffer, std::int32_t pan) override;
    std::optional<std::int32_t> frequency(BufferHandle buffer) override;
    bool setFrequency(BufferHandle buffer, std::int32_t hz) override;
    void release(BufferHandle buffer) override;

    bool holdsDevice() const override { return links_.holdsDevice(); }
    void checkDevices() override { links_.checkAll(); }
    void onDeviceOpened(std::function<void()> opened) override { deviceOpened_ = std::move(opened); }

    // Buffers currently holding a voice; for checks that finished sounds let theirs go.
    std::size_t voicesInUse() const { return table_.voicesInUse(); }

private:
    using Record = HandleTable::Record;

    // The live record if its device still works, with that device's context current.
    Record* usable(BufferHandle buffer);
    // Whether the record's device still works; if so, its context is made current. A lost
    // device is opened again here, which never moves a record.
    bool ready(Record& rec);
    // The lost device is about to be closed: nothing of it may outlive it.
    void closing(DeviceLinks::Link& link) override;
    // Music that was looping on the device starts again, and the one who asked is told.
    void opened(DeviceLinks::Link& link) override;
    void applyGains(const Record& rec) const;
    void applyPitch(const Record& rec) const;

    AlcPlatform ownPlatform_;  // the real one, unless another is given
    DeviceLinks links_;
    SampleCache samples_;
    HandleTable table_;
    VoiceAllocator voices_{table_};
    std::function<void()> deviceOpened_;
};

}  // namespace quarrix::sound
