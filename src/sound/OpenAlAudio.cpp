#include "OpenAlAudio.h"

#include "PanLaw.h"

namespace quarrix::sound {

namespace {
constexpr std::int32_t MinFrequency = 100;
constexpr std::int32_t MaxFrequency = 200000;
}  // namespace

OpenAlAudio::~OpenAlAudio()
{
    table_.forEachLive([this](BufferHandle, Record& rec) {
        voices_.drop(rec);
        rec.sound.reset();
    });
    links_.closeAll();
}

BufferHandle OpenAlAudio::createBuffer(const std::string& file, int device)
{
    DeviceLinks::Link* link = links_.linkFor(device);
    OutputDevice* out = link == nullptr ? nullptr : links_.working(*link);
    if (out == nullptr) {
        return NoBuffer;
    }
    auto decoded = samples_.load(file);
    if (!decoded) {
        return NoBuffer;
    }
    auto sound = out->upload(decoded);
    if (!sound) {
        return NoBuffer;
    }
    const BufferHandle handle = table_.add();
    Record& rec = *table_.find(handle);
    rec.link = link;
    rec.frequency = sound->rate;
    rec.decoded = std::move(decoded);
    rec.sound = std::move(sound);
    return handle;
}

std::optional<std::uint32_t> OpenAlAudio::status(BufferHandle buffer)
{
    Record* rec = usable(buffer);
    if (rec == nullptr) {
        return std::nullopt;
    }
    if (rec->terminated) {
        return StatusTerminated;
    }
    if (rec->voice < 0) {
        return 0u;
    }
    const VoiceState state = rec->out().state(rec->voice);
    if (state == VoiceState::Playing) {
        return rec->looping ? StatusPlaying | StatusLooping : StatusPlaying;
    }
    if (state == VoiceState::Stopped) {
        voices_.drop(*rec);  // finished: the voice goes back at once
    }
    return 0u;
}

bool OpenAlAudio::play(BufferHandle buffer, bool looping)
{
    Record* rec = table_.find(buffer);
    if (rec == nullptr) {
        return false;
    }
    rec->looping = looping;  // kept while the device is away, so the music comes back with it
    if (!ready(*rec)) {
        return false;
    }
    if (rec->voice >= 0 && !rec->out().sounding(rec->voice)) {
        voices_.drop(*rec);  // a finished one-shot starts again from the beginning
    }
    if (rec->voice < 0) {
        if (!voices_.give(*rec, buffer)) {
            return false;
        }
        applyGains(*rec);
        applyPitch(*rec);
    }
    rec->out().play(rec->voice, looping);
    return true;
}

bool OpenAlAudio::stop(BufferHandle buffer)
{
    Record* rec = table_.find(buffer);
    if (rec == nullptr) {
        return false;
    }
    rec->looping = false;
    if (!ready(*rec)) {
        return false;
    }
    if (rec->voice >= 0) {
        rec->out().pause(rec->voice);
    }
    return true;
}

bool OpenAlAudio::setPan(BufferHandle buffer, std::int32_t pan)
{
    Record* rec = table_.find(buffer);
    if (rec == nullptr || pan < PanLeft || pan > PanRight) {
        return false;
    }
    rec->pan = pan;
    if (!ready(*rec)) {
        return false;
    }
    if (rec->voice >= 0) {
        applyGains(*rec);
    }
    return true;
}

std::optional<std::int32_t> OpenAlAudio::frequency(BufferHandle buffer)
{
    const Record* rec = usable(buffer);
    if (rec == nullptr) {
        return std::nullopt;
    }
    return rec->frequency;
}

bool OpenAlAudio::setFrequency(BufferHandle buffer, std::int32_t hz)
{
    Record* rec = table_.find(buffer);
    if (rec == nullptr || (hz != 0 && (hz < MinFrequency || hz > MaxFrequency))) {
        return false;
    }
    rec->frequency = hz == 0 ? rec->decoded->rate : hz;  // 0 restores the file's own rate
    if (!ready(*rec)) {
        return false;
    }
    if (rec->voice >= 0) {
        applyPitch(*rec);
    }
    return true;
}

void OpenAlAudio::release(BufferHandle buffer)
{
    Record* rec = table_.find(buffer);
    if (rec == nullptr) {
        return;
    }
    voices_.drop(*rec);
    table_.remove(buffer);
}

OpenAlAudio::Record* OpenAlAudio::usable(BufferHandle buffer)
{
    Record* rec = table_.find(buffer);
    return rec != nullptr && ready(*rec) ? rec : nullptr;
}

bool OpenAlAudio::ready(Record& rec)
{
    if (links_.working(*rec.link) == nullptr) {
        return false;
    }
    rec.out().makeCurrent();
    return true;
}

void OpenAlAudio::closing(DeviceLinks::Link& link)
{
    table_.forEachLive([&](BufferHandle, Record& rec) {
        if (rec.link == &link) {
            voices_.drop(rec);
            rec.sound = nullptr;  // its buffers go with the device
        }
    });
}

void OpenAlAudio::opened(DeviceLinks::Link& link)
{
    table_.forEachLive([&](BufferHandle handle, const Record& rec) {
        if (rec.link == &link && rec.looping && !rec.terminated) {
            play(handle, true);
        }
    });
    if (deviceOpened_) {
        deviceOpened_();
    }
}

void OpenAlAudio::applyGains(const Record& rec) const
{
    rec.out().setGains(rec.voice, panGains(rec.pan));
}

void OpenAlAudio::applyPitch(const Record& rec) const
{
    const float pitch = static_cast<float>(rec.frequency) / static_cast<float>(rec.sound->rate);
    rec.out().setPitch(rec.voice, pitch);
}

}  // namespace quarrix::sound
