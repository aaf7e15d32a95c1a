#include "SampleCache.h"

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

class SoundFile {
public:
    explicit SoundFile(const std::string& path) : handle_(sf_open(path.c_str(), SFM_READ, &info_)) {}
    ~SoundFile()
    {
        if (handle_ != nullptr) {
            sf_close(handle_);
        }
    }
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    SNDFILE* handle() const { return handle_; }
    const SF_INFO& info() const { return info_; }

private:
    SF_INFO info_{};
    SNDFILE* handle_;
};
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
        dropUnused();
    }
    Entry& entry = entries_[file];
    entry.size = st.st_size;
    entry.mtime = st.st_mtim;
    entry.sound = decode(file);
    return entry.sound;
}

std::shared_ptr<const DecodedSound> SampleCache::decode(const std::string& file)
{
    const SoundFile in(file);
    const SF_INFO& info = in.info();
    if (in.handle() == nullptr || !isWave(info) || info.channels < 1 || info.channels > 2 ||
        info.samplerate < MinRate || info.samplerate > MaxRate) {
        return nullptr;
    }
    auto sound = std::make_shared<DecodedSound>();
    sound->rate = info.samplerate;
    sound->channels = info.channels;
    const std::size_t limit = MaxSeconds * static_cast<std::size_t>(info.samplerate);
    std::vector<std::int16_t> chunk(static_cast<std::size_t>(ChunkFrames * info.channels));
    // The frame count in a damaged header cannot be trusted: read until the data runs out.
    for (;;) {
        const sf_count_t got = sf_readf_short(in.handle(), chunk.data(), ChunkFrames);
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

void SampleCache::dropUnused()
{
    std::erase_if(entries_, [](const auto& item) { return item.second.sound.use_count() <= 1; });
}

}  // namespace quarrix::sound
