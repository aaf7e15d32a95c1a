#pragma once

#include <AL/al.h>

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace quarrix::sound {

// The whole of one wave file, decoded to interleaved 16-bit samples.
struct DecodedSound {
    std::uint64_t version = 0;  // unique per decode, so a device notices a changed file
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

// A decoded sound on a device, split into a left-only and a right-only stereo buffer, so two
// sources with their own gains give an exact pan for mono and stereo files alike.
// Made and freed with the device's context current.
class SoundBuffers {
public:
    // Uploads to the current context; empty when it has no room.
    explicit SoundBuffers(const DecodedSound& decoded);
    ~SoundBuffers() { alDeleteBuffers(2, ids_.data()); }
    SoundBuffers(const SoundBuffers&) = delete;
    SoundBuffers& operator=(const SoundBuffers&) = delete;

    bool empty() const { return ids_[1] == 0; }
    ALuint channel(std::size_t index) const { return ids_[index]; }  // 0 left, 1 right

private:
    std::array<ALuint, 2> ids_{};
};

// Decoded wave files by path. A file is decoded again only when its size or time stamp changes;
// a file that cannot be decoded is remembered as such until it changes.
class SampleCache {
public:
    // Null for a missing, empty, damaged or non-wave file.
    std::shared_ptr<const DecodedSound> load(const std::string& file);

private:
    struct Entry {
        std::int64_t size = 0;
        std::timespec mtime{};
        std::shared_ptr<const DecodedSound> sound;
    };

    std::shared_ptr<const DecodedSound> decode(const std::string& file);

    std::unordered_map<std::string, Entry> entries_;
    std::uint64_t nextVersion_ = 1;
};

}  // namespace quarrix::sound
