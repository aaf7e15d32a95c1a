#include "Sound.h"

#include <sndfile.h>
#include <sys/stat.h>

namespace quarrix::sound {

namespace {
constexpr std::size_t MaxEntries = 32;
constexpr int MinRate = 100;
constexpr int MaxRate = 200000;
constexpr std::size_t MaxSeconds = 600;  // refuse absurd files rather than exhaust memory
constexpr sf_count_t ChunkFrames = 4096;

bool isWave(const SF_INFO& info)
{
    const int major = info.format & SF_FORMAT_TYPEMASK;
    return major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX;
}

bool sameStamp(const std::timespec& a, const std::timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// One channel of the sound in a stereo frame, the other channel silent.
std::vector<std::int16_t> oneChannel(const DecodedSound& decoded, std::size_t channel)
{
    const std::size_t frames = decoded.frames();
    const std::size_t from = decoded.channels == 2 ? channel : 0;
    const auto step = static_cast<std::size_t>(decoded.channels);
    std::vector<std::int16_t> out(frames * 2, 0);
    for (std::size_t f = 0; f < frames; ++f) {
        out[f * 2 + channel] = decoded.samples[f * step + from];
    }
    return out;
}
}  // namespace

std::shared_ptr<const DecodedSound> SampleCache::load(const std::string& file)
{
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        entries_.erase(file);
        return nullptr;
    }
    const auto found = entries_.find(file);
    if (found != entries_.end() && found->second.size == st.st_size && sameStamp(found->second.mtime, st.st_mtim)) {
        return found->second.sound;
    }
    if (found == entries_.end() && entries_.size() >= MaxEntries) {
        std::erase_if(entries_, [](const auto& item) { return item.second.sound.use_count() <= 1; });
    }
    Entry& entry = entries_[file];
    entry.size = st.st_size;
    entry.mtime = st.st_mtim;
    entry.sound = decode(file);
    return entry.sound;
}

std::shared_ptr<const DecodedSound> SampleCache::decode(const std::string& file)
{
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> in(sf_open(file.c_str(), SFM_READ, &info), sf_close);
    if (in == nullptr || !isWave(info) || info.channels < 1 || info.channels > 2 || info.samplerate < MinRate ||
        info.samplerate > MaxRate) {
        return nullptr;
    }
    auto sound = std::make_shared<DecodedSound>();
    sound->rate = info.samplerate;
    sound->channels = info.channels;
    const std::size_t limit = MaxSeconds * static_cast<std::size_t>(info.samplerate);
    std::vector<std::int16_t> chunk(static_cast<std::size_t>(ChunkFrames * info.channels));
    // The frame count in a damaged header cannot be trusted: read until the data runs out.
    for (;;) {
        const sf_count_t got = sf_readf_short(in.get(), chunk.data(), ChunkFrames);
        if (got <= 0) {
            break;
        }
        sound->samples.insert(sound->samples.end(), chunk.begin(), chunk.begin() + got * info.channels);
        if (sound->frames() > limit) {
            return nullptr;
        }
    }
    if (sound->samples.empty()) {
        return nullptr;
    }
    sound->version = nextVersion_++;
    return sound;
}

SoundBuffers::SoundBuffers(const DecodedSound& decoded)
{
    alGetError();
    alGenBuffers(2, ids_.data());
    if (alGetError() != AL_NO_ERROR) {
        ids_ = {};
        return;
    }
    for (std::size_t channel = 0; channel < 2; ++channel) {
        const auto data = oneChannel(decoded, channel);
        alBufferData(ids_[channel], AL_FORMAT_STEREO16, data.data(),
                     static_cast<ALsizei>(data.size() * sizeof(std::int16_t)), decoded.rate);
    }
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(2, ids_.data());
        ids_ = {};
    }
}

}  // namespace quarrix::sound
