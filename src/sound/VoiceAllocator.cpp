#include "VoiceAllocator.h"

namespace quarrix::sound {

bool VoiceAllocator::give(HandleTable::Record& rec, BufferHandle handle)
{
    OutputDevice& out = rec.out();
    if (rec.sound == nullptr) {
        rec.sound = out.upload(rec.decoded);  // the device was opened again since
    }
    if (rec.sound == nullptr) {
        return false;
    }
    int index = out.acquireVoice();
    if (index < 0) {
        reapFinished(out);
        index = out.acquireVoice();
    }
    if (index < 0) {
        stealOldest(out);
        index = out.acquireVoice();
    }
    if (index < 0) {
        return false;
    }
    out.makeCurrent();
    out.voice(index).owner = handle;
    out.bind(index, *rec.sound);
    rec.voice = index;
    table_.markTerminated(rec, false);
    return true;
}

void VoiceAllocator::drop(HandleTable::Record& rec)
{
    if (rec.voice < 0) {
        return;
    }
    rec.out().releaseVoice(rec.voice);
    rec.voice = -1;
}

void VoiceAllocator::reapFinished(OutputDevice& device)
{
    device.makeCurrent();
    for (std::size_t i = 0; i < device.voiceCount(); ++i) {
        const Voice& v = device.voice(static_cast<int>(i));
        if (v.busy && !device.sounding(static_cast<int>(i))) {
            drop(*table_.find(v.owner));
        }
    }
}

// Every voice sounds: the one-shot started longest ago gives way, as a mixer's voice
// manager would do. Looping sounds are cut only when nothing else is left.
void VoiceAllocator::stealOldest(OutputDevice& device)
{
    int oldest = -1;
    for (std::size_t i = 0; i < device.voiceCount(); ++i) {
        const Voice& v = device.voice(static_cast<int>(i));
        if (!v.busy) {
            continue;
        }
        if (oldest < 0) {
            oldest = static_cast<int>(i);
            continue;
        }
        const Voice& best = device.voice(oldest);
        if ((best.looping && !v.looping) || (best.looping == v.looping && v.started < best.started)) {
            oldest = static_cast<int>(i);
        }
    }
    if (oldest < 0) {
        return;
    }
    HandleTable::Record& victim = *table_.find(device.voice(oldest).owner);
    drop(victim);
    table_.markTerminated(victim, true);
}

}  // namespace quarrix::sound
