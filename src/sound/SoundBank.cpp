#include "SoundBank.h"

#include <cmath>

namespace quarrix::sound {

namespace {
constexpr char WaveEnding[] = ".wav";
}  // namespace

SoundBank::SoundBank(AudioDevice& audio) : audio_(audio), SndBuffer_(1, NoBuffer) {}

SoundBank::~SoundBank()
{
    resizeTo(0);
}

bool SoundBank::isWaveName(const std::string& file)
{
    // Case-sensitive on purpose: "music.WAV" is refused.
    return file.ends_with(WaveEnding);
}

std::int32_t SoundBank::panFor(std::int16_t position)
{
    if (position < 0 || position > 5) {
        return 0;
    }
    return 400 * position - 1000;
}

std::int32_t SoundBank::musicFrequency(double bgmFreq, std::int16_t gemHeight)
{
    const double factor = static_cast<double>(5 * gemHeight) / 1000.0 + 1.0;
    // nearbyint rounds half to even under the default rounding mode.
    return static_cast<std::int32_t>(std::nearbyint(factor * bgmFreq));
}

void SoundBank::InitSoundBuffer(const std::string& file, std::int16_t bIndex, int device)
{
    if (bIndex < 0) {
        return;
    }
    resizeTo(static_cast<std::size_t>(bIndex) + 1);
    empty(static_cast<std::size_t>(bIndex));
    SndBuffer_[static_cast<std::size_t>(bIndex)] = audio_.createBuffer(file, device);
}

void SoundBank::CleanUpSndBuffer()
{
    std::int32_t i = static_cast<std::int32_t>(SndBuffer_.size()) - 1;
    while (i >= 0) {
        const std::optional<std::uint32_t> st = audio_.status(SndBuffer_[static_cast<std::size_t>(i)]);
        if (!st) {
            return;  // an empty slot ends the tidy-up
        }
        if (*st != StatusTerminated) {
            break;
        }
        --i;
    }
    if (i < 0) {
        return;
    }
    const std::int32_t newTop = i + 1;
    if (newTop >= MaxSlots) {
        return;  // a spare slot above the last addressable one would be useless
    }
    resizeTo(static_cast<std::size_t>(newTop) + 1);
}

void SoundBank::unload()
{
    resizeTo(0);
    SndBuffer_.assign(1, NoBuffer);
}

void SoundBank::PlaySound(const std::string& file, std::int16_t position, int device)
{
    if (!isWaveName(file)) {
        return;
    }
    std::int32_t i = findSlot();
    if (i >= MaxSlots) {
        i = makeRoom();
    }
    const auto index = static_cast<std::int16_t>(i);
    InitSoundBuffer(file, index, device);
    const BufferHandle buffer = SndBuffer_[static_cast<std::size_t>(index)];
    audio_.setPan(buffer, panFor(position));
    audio_.play(buffer, false);
}

void SoundBank::startMusic(const std::string& file, int device)
{
    InitSoundBuffer(file, 0, device);
    if (const auto hz = audio_.frequency(SndBuffer_[0])) {
        BGMFreq_ = static_cast<double>(*hz);
    }
    audio_.play(SndBuffer_[0], true);
}

void SoundBank::stopMusic()
{
    audio_.stop(SndBuffer_[0]);
}

void SoundBank::SetBGMSpeed(std::int16_t gemHeight)
{
    const BufferHandle music = SndBuffer_[0];
    if (music == NoBuffer) {
        return;  // no music loaded: nothing to speed up
    }
    audio_.stop(music);
    audio_.setFrequency(music, musicFrequency(BGMFreq_, gemHeight));
    audio_.play(music, true);
}

std::int32_t SoundBank::findSlot()
{
    const auto top = static_cast<std::int32_t>(SndBuffer_.size()) - 1;
    if (!audio_.anyTerminated()) {
        return top + 1;
    }
    for (std::int32_t i = 0; i <= top; ++i) {
        if (audio_.status(SndBuffer_[static_cast<std::size_t>(i)]) == StatusTerminated) {
            return i;
        }
    }
    return top + 1;
}

// The table is full: keep the music and the effects still sounding, packed down from slot 1,
// and free everything else, so the next effect finds a slot and nothing audible is cut.
std::int32_t SoundBank::makeRoom()
{
    std::size_t kept = 1;
    for (std::size_t i = 1; i < SndBuffer_.size(); ++i) {
        const BufferHandle buffer = SndBuffer_[i];
        const auto st = audio_.status(buffer);
        if (st && (*st & StatusPlaying) != 0) {
            SndBuffer_[i] = NoBuffer;
            SndBuffer_[kept++] = buffer;
        } else {
            empty(i);
        }
    }
    SndBuffer_.resize(kept);
    if (kept >= static_cast<std::size_t>(MaxSlots)) {
        return MaxSlots - 1;  // every slot still sounds: the newest effect gives way
    }
    return static_cast<std::int32_t>(kept);
}

void SoundBank::resizeTo(std::size_t count)
{
    for (std::size_t i = count; i < SndBuffer_.size(); ++i) {
        empty(i);
    }
    SndBuffer_.resize(count, NoBuffer);
}

void SoundBank::empty(std::size_t index)
{
    if (SndBuffer_[index] != NoBuffer) {
        audio_.release(SndBuffer_[index]);
        SndBuffer_[index] = NoBuffer;
    }
}

}  // namespace quarrix::sound
