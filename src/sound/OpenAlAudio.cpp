#include "OpenAlAudio.h"

#include <algorithm>

namespace quarrix::sound {

namespace {
constexpr std::int32_t MinFrequency = 100;
constexpr std::int32_t MaxFrequency = 200000;
}  // namespace

std::vector<std::string> OpenAlAudio::deviceDescriptions()
{
    names_ = Device::names();
    enumerated_ = true;
    for (auto& [name, device] : devices_) {
        device.retryNow();
    }
    return names_;
}

BufferHandle OpenAlAudio::createBuffer(const std::string& file, int device)
{
    if (!enumerated_) {
        deviceDescriptions();
    }
    if (device < 0 || static_cast<std::size_t>(device) >= names_.size()) {
        return NoBuffer;
    }
    const std::string& name = names_[static_cast<std::size_t>(device)];
    Device& out = devices_.try_emplace(name, platform_, name).first->second;
    if (!ready(out)) {
        return NoBuffer;
    }
    auto decoded = samples_.load(file);
    if (decoded == nullptr || out.upload(decoded) == nullptr) {
        return NoBuffer;
    }
    const std::int32_t rate = decoded->rate;
    records_.emplace(++lastHandle_, Record{&out, std::move(decoded), rate});
    return lastHandle_;
}

std::optional<std::uint32_t> OpenAlAudio::status(BufferHandle buffer)
{
    const Record* rec = find(buffer);
    if (rec == nullptr || !ready(*rec->device)) {
        return std::nullopt;
    }
    if (cutOff_.contains(buffer)) {
        return StatusTerminated;
    }
    Voice* voice = rec->device->voiceOf(buffer);
    const ALint state = voice == nullptr ? AL_INITIAL : voice->state();
    if (state == AL_PLAYING) {
        return rec->looping ? StatusPlaying | StatusLooping : StatusPlaying;
    }
    if (state == AL_STOPPED) {
        rec->device->release(buffer);  // finished: the voice goes back at once
    }
    return 0u;
}

bool OpenAlAudio::play(BufferHandle buffer, bool looping)
{
    Record* rec = find(buffer);
    if (rec == nullptr) {
        return false;
    }
    rec->looping = looping;  // kept while the device is away, so the music comes back with it
    if (!ready(*rec->device)) {
        return false;
    }
    Voice* voice = rec->device->voiceOf(buffer);
    if (voice != nullptr && !voice->sounding()) {
        rec->device->release(buffer);  // a finished one-shot starts again from the beginning
        voice = nullptr;
    }
    if (voice == nullptr) {
        return start(buffer, *rec);
    }
    voice->play(looping, rec->device->nextOrder());
    return true;
}

bool OpenAlAudio::stop(BufferHandle buffer)
{
    Record* rec = find(buffer);
    if (rec == nullptr) {
        return false;
    }
    rec->looping = false;
    return onVoice(buffer, *rec, [](Voice& voice) { voice.pause(); });
}

bool OpenAlAudio::setPan(BufferHandle buffer, std::int32_t pan)
{
    Record* rec = find(buffer);
    if (rec == nullptr || pan < PanLeft || pan > PanRight) {
        return false;
    }
    rec->pan = pan;
    return onVoice(buffer, *rec, [pan](Voice& voice) { voice.setPan(pan); });
}

std::optional<std::int32_t> OpenAlAudio::frequency(BufferHandle buffer)
{
    const Record* rec = find(buffer);
    if (rec == nullptr || !ready(*rec->device)) {
        return std::nullopt;
    }
    return rec->frequency;
}

bool OpenAlAudio::setFrequency(BufferHandle buffer, std::int32_t hz)
{
    Record* rec = find(buffer);
    if (rec == nullptr || (hz != 0 && (hz < MinFrequency || hz > MaxFrequency))) {
        return false;
    }
    rec->frequency = hz == 0 ? rec->decoded->rate : hz;  // 0 restores the file's own rate
    return onVoice(buffer, *rec, [rec](Voice& voice) { voice.setPitch(pitchOf(*rec)); });
}

void OpenAlAudio::release(BufferHandle buffer)
{
    const auto found = records_.find(buffer);
    if (found == records_.end()) {
        return;
    }
    found->second.device->release(buffer);
    cutOff_.erase(buffer);
    records_.erase(found);
}

bool OpenAlAudio::holdsDevice() const
{
    return std::ranges::any_of(devices_, [](const auto& entry) { return entry.second.everOpened(); });
}

void OpenAlAudio::checkDevices()
{
    for (auto& [name, device] : devices_) {
        if (device.everOpened()) {
            ready(device);
        }
    }
}

std::size_t OpenAlAudio::voicesInUse() const
{
    std::size_t n = 0;
    for (const auto& [name, device] : devices_) {
        n += device.voicesInUse();
    }
    return n;
}

OpenAlAudio::Record* OpenAlAudio::find(BufferHandle buffer)
{
    const auto found = records_.find(buffer);
    return found == records_.end() ? nullptr : &found->second;
}

bool OpenAlAudio::ready(Device& device)
{
    if (!device.ready()) {
        return false;
    }
    if (device.takeOpened()) {
        for (const auto& [buffer, rec] : records_) {
            if (rec.device == &device && rec.looping && !cutOff_.contains(buffer)) {
                start(buffer, rec);
            }
        }
        if (deviceOpened_) {
            deviceOpened_();
        }
    }
    return true;
}

template <typename Change>
bool OpenAlAudio::onVoice(BufferHandle buffer, const Record& rec, Change change)
{
    if (!ready(*rec.device)) {
        return false;
    }
    if (Voice* voice = rec.device->voiceOf(buffer)) {
        change(*voice);
    }
    return true;
}

bool OpenAlAudio::start(BufferHandle buffer, const Record& rec)
{
    Device& device = *rec.device;
    const SoundBuffers* sound = device.upload(rec.decoded);  // uploaded again on a device opened since
    BufferHandle cut = NoBuffer;
    Voice* voice = sound == nullptr ? nullptr : device.takeVoice(*sound, buffer, cut);
    if (cut != NoBuffer) {
        cutOff_.insert(cut);
    }
    if (voice == nullptr) {
        return false;
    }
    cutOff_.erase(buffer);
    voice->setPan(rec.pan);
    voice->setPitch(pitchOf(rec));
    voice->play(rec.looping, device.nextOrder());
    return true;
}

float OpenAlAudio::pitchOf(const Record& rec)
{
    return static_cast<float>(rec.frequency) / static_cast<float>(rec.decoded->rate);
}

}  // namespace quarrix::sound
