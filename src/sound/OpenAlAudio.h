#pragma once

#include "AlcPlatform.h"
#include "AudioDevice.h"
#include "DevicePlatform.h"
#include "OutputDevice.h"
#include "SampleCache.h"

#include <map>
#include <memory>

namespace quarrix::sound {

// Sound output over OpenAL Soft, wave files decoded with libsndfile.
// Decoded samples are cached per file and each device is opened once, so loading a sound
// costs a file stamp check and a lookup. A buffer holds a voice only while it sounds: a
// finished one-shot hands its voice back and is left as a small record. When every voice is
// busy the oldest one-shot is cut and reports StatusTerminated.
// With no device or a bad file, operations fail quietly.
// A device that goes away (its sound server restarts, a headset is unplugged) is noticed by
// the next operation on it: its sources, buffers and context are freed and it is opened again
// by name, at most once a second while that fails. Music that was looping starts again on the
// new device; every other sound is uploaded again from its decoded samples when next played.
class OpenAlAudio final : public AudioDevice {
public:
    OpenAlAudio() : OpenAlAudio(ownPlatform_) {}
    explicit OpenAlAudio(DevicePlatform& platform) : platform_(platform) {}
    ~OpenAlAudio() override;
    OpenAlAudio(const OpenAlAudio&) = delete;
    OpenAlAudio& operator=(const OpenAlAudio&) = delete;

    std::vector<std::string> deviceDescriptions() override;
    BufferHandle createBuffer(const std::string& file, int device) override;
    std::optional<std::uint32_t> status(BufferHandle buffer) override;
    bool anyTerminated() override { return terminated_ > 0; }
    bool play(BufferHandle buffer, bool looping) override;
    bool stop(BufferHandle buffer) override;
    bool setPan(BufferHandle buffer, std::int32_t pan) override;
    std::optional<std::int32_t> frequency(BufferHandle buffer) override;
    bool setFrequency(BufferHandle buffer, std::int32_t hz) override;
    void release(BufferHandle buffer) override;

    // Buffers currently holding a voice; for checks that finished sounds let theirs go.
    std::size_t voicesInUse() const;

private:
    // One output device by name, whether it is open at the moment or not.
    struct Link {
        std::string name;
        std::unique_ptr<OutputDevice> device;  // null while it cannot be opened
        DevicePlatform::Clock::time_point nextOpen{};
    };

    struct Record {
        std::uint32_t generation = 1;
        bool live = false;
        bool terminated = false;
        bool looping = false;  // started looping and not stopped since
        Link* link = nullptr;
        std::shared_ptr<const DecodedSound> decoded;
        std::shared_ptr<const DeviceSound> sound;  // null until played on the current device
        std::int32_t frequency = 0;
        std::int32_t pan = 0;
        int voice = -1;
        OutputDevice& out() const { return *link->device; }
    };

    Record* find(BufferHandle buffer);
    // The record if its device still works, with that device's context current.
    Record* usable(BufferHandle buffer);
    // Whether the record's device still works; if so, its context is made current. A lost
    // device is opened again here, which never moves a record.
    bool ready(Record& rec);
    Link* linkFor(int index);
    // The link's device if it works; a lost one is freed and opened again when the pace allows.
    OutputDevice* working(Link& link);
    OutputDevice* reopen(Link& link);
    void detach(Link& link);
    void resumeMusic(Link& link);
    BufferHandle newRecord();
    BufferHandle handleOf(std::size_t index) const;
    bool giveVoice(Record& rec, BufferHandle handle);
    void dropVoice(Record& rec);
    void reapFinished(OutputDevice& device);
    void stealOldest(OutputDevice& device);
    void markTerminated(Record& rec, bool on);
    void applyGains(const Record& rec) const;
    void applyPitch(const Record& rec) const;

    AlcPlatform ownPlatform_;  // the real one, unless another is given
    DevicePlatform& platform_;
    std::vector<std::string> names_;
    bool enumerated_ = false;
    std::map<std::string, Link> links_;
    SampleCache samples_;
    std::vector<Record> records_;
    std::vector<std::uint32_t> freeRecords_;
    std::size_t terminated_ = 0;
    std::uint64_t playCount_ = 0;
};

}  // namespace quarrix::sound
