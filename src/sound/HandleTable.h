#pragma once

#include "AudioDevice.h"
#include "DeviceLinks.h"
#include "OutputDevice.h"
#include "SampleCache.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace quarrix::sound {

// The records behind buffer handles. A handle carries its record's index and generation, so a
// released handle stays dead when its record is used again; freed records are reused first.
class HandleTable {
public:
    struct Record {
        std::uint32_t generation = 1;
        bool live = false;
        bool terminated = false;
        bool looping = false;  // started looping and not stopped since
        DeviceLinks::Link* link = nullptr;
        std::shared_ptr<const DecodedSound> decoded;
        std::shared_ptr<const DeviceSound> sound;  // null until played on the current device
        std::int32_t frequency = 0;
        std::int32_t pan = 0;
        int voice = -1;
        OutputDevice& out() const { return *link->device; }
    };

    // A fresh live record; records never move while no record is added.
    BufferHandle add();
    // The live record of the handle, or null for a dead or unknown handle.
    Record* find(BufferHandle buffer);
    // Ends the handle's record; the caller has taken its voice back.
    void remove(BufferHandle buffer);

    // Calls f(handle, record) for every live record.
    template <typename F>
    void forEachLive(F&& f)
    {
        for (std::size_t i = 0; i < records_.size(); ++i) {
            if (records_[i].live) {
                f(handleOf(i), records_[i]);
            }
        }
    }

    void markTerminated(Record& rec, bool on);
    bool anyTerminated() const { return terminated_ > 0; }
    std::size_t voicesInUse() const;

private:
    BufferHandle handleOf(std::size_t index) const;

    std::vector<Record> records_;
    std::vector<std::uint32_t> freeRecords_;
    std::size_t terminated_ = 0;
};

}  // namespace quarrix::sound
