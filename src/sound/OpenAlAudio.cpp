#include "OpenAlAudio.h"

#include "PanLaw.h"

#include <AL/alext.h>

namespace quarrix::sound {

namespace {
constexpr std::int32_t MinFrequency = 100;
constexpr std::int32_t MaxFrequency = 200000;
// A device that cannot be opened is tried again at most this often: a failed open costs a few
// milliseconds, too much to spend on every sound while a sound server is down.
constexpr std::chrono::seconds OpenInterval{1};

std::vector<std::string> splitDeviceList(const ALCchar* list)
{
    std::vector<std::string> names;
    while (list != nullptr && *list != '\0') {
        names.emplace_back(list);
        list += names.back().size() + 1;
    }
    return names;
}

std::uint32_t indexOf(BufferHandle h)
{
    return static_cast<std::uint32_t>(h & 0xffffffffu) - 1;
}

std::uint32_t generationOf(BufferHandle h)
{
    return static_cast<std::uint32_t>(h >> 32);
}
}  // namespace

OpenAlAudio::~OpenAlAudio()
{
    for (Record& rec : records_) {
        if (rec.live && rec.voice >= 0) {
            rec.out().releaseVoice(rec.voice);
        }
        rec.sound.reset();
    }
    links_.clear();
}

std::vector<std::string> OpenAlAudio::deviceDescriptions()
{
    const bool all = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT") != ALC_FALSE;
    names_ = splitDeviceList(alcGetString(nullptr, all ? ALC_ALL_DEVICES_SPECIFIER : ALC_DEVICE_SPECIFIER));
    enumerated_ = true;
    // A device that failed before may have come back since: the next sound tries it at once.
    for (auto& [name, link] : links_) {
        if (link.device == nullptr) {
            link.nextOpen = {};
        }
    }
    return names_;
}

BufferHandle OpenAlAudio::createBuffer(const std::string& file, int device)
{
    Link* link = linkFor(device);
    OutputDevice* out = link == nullptr ? nullptr : working(*link);
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
    const BufferHandle handle = newRecord();
    Record& rec = *find(handle);
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
    ALint state = AL_STOPPED;
    alGetSourcei(rec->out().voice(rec->voice).sources[0], AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING) {
        return rec->looping ? StatusPlaying | StatusLooping : StatusPlaying;
    }
    if (state == AL_STOPPED) {
        dropVoice(*rec);  // finished: the voice goes back at once
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
    if (!ready(*rec)) {
        return false;
    }
    if (rec->voice >= 0 && !rec->out().sounding(rec->voice)) {
        dropVoice(*rec);  // a finished one-shot starts again from the beginning
    }
    if (rec->voice < 0 && !giveVoice(*rec, buffer)) {
        return false;
    }
    rec = find(buffer);  // giving a voice may have touched other records
    Voice& v = rec->out().voice(rec->voice);
    v.looping = looping;
    v.started = ++playCount_;
    for (const ALuint s : v.sources) {
        alSourcei(s, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    }
    alSourcePlayv(2, v.sources.data());
    return true;
}

bool OpenAlAudio::stop(BufferHandle buffer)
{
    Record* rec = find(buffer);
    if (rec == nullptr) {
        return false;
    }
    rec->looping = false;
    if (!ready(*rec)) {
        return false;
    }
    if (rec->voice >= 0) {
        Voice& v = rec->out().voice(rec->voice);
        ALint state = AL_STOPPED;
        alGetSourcei(v.sources[0], AL_SOURCE_STATE, &state);
        if (state == AL_PLAYING) {
            alSourcePausev(2, v.sources.data());  // pausing keeps the position, unlike alSourceStop
        }
    }
    return true;
}

bool OpenAlAudio::setPan(BufferHandle buffer, std::int32_t pan)
{
    Record* rec = find(buffer);
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
    Record* rec = find(buffer);
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
    Record* rec = find(buffer);
    if (rec == nullptr) {
        return;
    }
    if (rec->voice >= 0) {
        dropVoice(*rec);
    }
    markTerminated(*rec, false);
    rec->sound.reset();
    rec->decoded.reset();
    rec->link = nullptr;
    rec->live = false;
    ++rec->generation;
    freeRecords_.push_back(indexOf(buffer));
}

std::size_t OpenAlAudio::voicesInUse() const
{
    std::size_t n = 0;
    for (const Record& rec : records_) {
        n += rec.live && rec.voice >= 0 ? 1 : 0;
    }
    return n;
}

OpenAlAudio::Record* OpenAlAudio::find(BufferHandle buffer)
{
    if (buffer == NoBuffer) {
        return nullptr;
    }
    const std::uint32_t index = indexOf(buffer);
    if (index >= records_.size()) {
        return nullptr;
    }
    Record& rec = records_[index];
    return rec.live && rec.generation == generationOf(buffer) ? &rec : nullptr;
}

OpenAlAudio::Record* OpenAlAudio::usable(BufferHandle buffer)
{
    Record* rec = find(buffer);
    return rec != nullptr && ready(*rec) ? rec : nullptr;
}

bool OpenAlAudio::ready(Record& rec)
{
    if (working(*rec.link) == nullptr) {
        return false;
    }
    rec.out().makeCurrent();
    return true;
}

OpenAlAudio::Link* OpenAlAudio::linkFor(int index)
{
    if (!enumerated_) {
        deviceDescriptions();
    }
    if (index < 0 || static_cast<std::size_t>(index) >= names_.size()) {
        return nullptr;
    }
    const std::string& name = names_[static_cast<std::size_t>(index)];
    Link& link = links_[name];
    link.name = name;
    return &link;
}

OutputDevice* OpenAlAudio::working(Link& link)
{
    if (link.device != nullptr && platform_.connected(*link.device)) {
        return link.device.get();
    }
    return reopen(link);
}

OutputDevice* OpenAlAudio::reopen(Link& link)
{
    if (link.device != nullptr) {
        detach(link);
        link.device.reset();
    }
    const auto now = platform_.now();
    if (now < link.nextOpen) {
        return nullptr;
    }
    link.nextOpen = now + OpenInterval;
    link.device = platform_.open(link.name);
    if (link.device == nullptr) {
        return nullptr;
    }
    resumeMusic(link);
    return link.device.get();
}

// The lost device is about to be closed: nothing of it may outlive it.
void OpenAlAudio::detach(Link& link)
{
    for (Record& rec : records_) {
        if (rec.live && rec.link == &link) {
            if (rec.voice >= 0) {
                dropVoice(rec);
            }
            rec.sound = nullptr;  // its buffers go with the device
        }
    }
}

void OpenAlAudio::resumeMusic(Link& link)
{
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const Record& rec = records_[i];
        if (rec.live && rec.link == &link && rec.looping && !rec.terminated) {
            play(handleOf(i), true);
        }
    }
}

BufferHandle OpenAlAudio::newRecord()
{
    std::uint32_t index = 0;
    if (freeRecords_.empty()) {
        records_.emplace_back();
        index = static_cast<std::uint32_t>(records_.size()) - 1;
    } else {
        index = freeRecords_.back();
        freeRecords_.pop_back();
    }
    Record& rec = records_[index];
    const std::uint32_t generation = rec.generation;
    rec = Record{};
    rec.generation = generation;
    rec.live = true;
    return handleOf(index);
}

BufferHandle OpenAlAudio::handleOf(std::size_t index) const
{
    return (static_cast<BufferHandle>(records_[index].generation) << 32) | (index + 1);
}

bool OpenAlAudio::giveVoice(Record& rec, BufferHandle handle)
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
    Voice& v = out.voice(index);
    v.owner = handle;
    for (std::size_t channel = 0; channel < 2; ++channel) {
        alSourcei(v.sources[channel], AL_BUFFER, static_cast<ALint>(rec.sound->buffers[channel]));
    }
    rec.voice = index;
    markTerminated(rec, false);
    applyGains(rec);
    applyPitch(rec);
    return true;
}

void OpenAlAudio::dropVoice(Record& rec)
{
    rec.out().releaseVoice(rec.voice);
    rec.voice = -1;
}

void OpenAlAudio::reapFinished(OutputDevice& device)
{
    device.makeCurrent();
    for (std::size_t i = 0; i < device.voiceCount(); ++i) {
        const Voice& v = device.voice(static_cast<int>(i));
        if (v.busy && !device.sounding(static_cast<int>(i))) {
            dropVoice(*find(v.owner));
        }
    }
}

// Every voice sounds: the one-shot started longest ago gives way, as a mixer's voice
// manager would do. Looping sounds are cut only when nothing else is left.
void OpenAlAudio::stealOldest(OutputDevice& device)
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
    Record& victim = *find(device.voice(oldest).owner);
    dropVoice(victim);
    markTerminated(victim, true);
}

void OpenAlAudio::markTerminated(Record& rec, bool on)
{
    if (rec.terminated != on) {
        rec.terminated = on;
        on ? ++terminated_ : --terminated_;
    }
}

void OpenAlAudio::applyGains(const Record& rec) const
{
    const ChannelGains g = panGains(rec.pan);
    const Voice& v = rec.out().voice(rec.voice);
    alSourcef(v.sources[0], AL_GAIN, g.left);
    alSourcef(v.sources[1], AL_GAIN, g.right);
}

void OpenAlAudio::applyPitch(const Record& rec) const
{
    const float pitch = static_cast<float>(rec.frequency) / static_cast<float>(rec.sound->rate);
    const Voice& v = rec.out().voice(rec.voice);
    for (const ALuint s : v.sources) {
        alSourcef(s, AL_PITCH, pitch);
    }
}

}  // namespace quarrix::sound
