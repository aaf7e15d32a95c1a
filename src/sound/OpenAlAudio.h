#pragma once

#include "AudioDevice.h"
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
// With no device, a bad file or a device that has gone away, operations fail quietly.
class OpenAlAudio final : public AudioDevice {
public:
    OpenAlAudio() = default;
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
    struct Record {
        std::uint32_t generation = 1;
        bool live = false;
        bool terminated = false;
        bool looping = false;
        OutputDevice* device = nullptr;
        std::shared_ptr<const DeviceSound> sound;
        std::int32_t frequency = 0;
        std::int32_t pan = 0;
        int voice = -1;
    };

    Record* find(BufferHandle buffer);
    // The record if its device still works, with that device's context current.
    Record* usable(BufferHandle buffer);
    OutputDevice* openDevice(int index);
    BufferHandle newRecord();
    bool giveVoice(Record& rec, BufferHandle handle);
    void dropVoice(Record& rec);
    void reapFinished(OutputDevice& device);
    void stealOldest(OutputDevice& device);
    void markTerminated(Record& rec, bool on);
    void applyGains(const Record& rec) const;
    void applyPitch(const Record& rec) const;

    std::vector<std::string> names_;
    bool enumerated_ = false;
    std::map<std::string, std::unique_ptr<OutputDevice>> devices_;  // null: failed to open
    SampleCache samples_;
    std::vector<Record> records_;
    std::vector<std::uint32_t> freeRecords_;
    std::size_t terminated_ = 0;
    std::uint64_t playCount_ = 0;
};

}  // namespace quarrix::sound
