#pragma once

#include "HandleTable.h"
#include "OutputDevice.h"

namespace quarrix::sound {

// Hands the voices of a device to buffers as they start playing. When the pool is exhausted,
// voices whose sounds have finished are taken back first; when every voice still sounds, the
// one-shot started longest ago is cut and its buffer reports StatusTerminated.
class VoiceAllocator {
public:
    explicit VoiceAllocator(HandleTable& table) : table_(table) {}

    // Binds a voice of the record's device to its sound, uploading the sound first if the
    // device was opened since. The device's context must be current.
    bool give(HandleTable::Record& rec, BufferHandle handle);
    // Takes back the record's voice, if it holds one; the voice is stopped and free for the next sound.
    void drop(HandleTable::Record& rec);

private:
    void reapFinished(OutputDevice& device);
    void stealOldest(OutputDevice& device);

    HandleTable& table_;
};

}  // namespace quarrix::sound
