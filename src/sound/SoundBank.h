#pragma once

#include "AudioDevice.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quarrix::sound {

// The table of loaded sounds of the sound options window and the rules that fill it:
// slot 0 is the music, effects take the slots above. Each slot owns its buffer.
class SoundBank {
public:
    // Slot numbers are 16-bit, so the table never holds more slots than this.
    static constexpr std::int32_t MaxSlots = 32768;

    explicit SoundBank(AudioDevice& audio);
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Loads `file` on `device` into slot `bIndex`; the table is cut to end at that slot.
    // The slot stays empty when loading fails.
    void InitSoundBuffer(const std::string& file, std::int16_t bIndex, int device);
    // After a landing: drops terminated slots from the top, then leaves one spare slot above.
    void CleanUpSndBuffer();
    // Releases every buffer and leaves one empty slot 0.
    void unload();

    // Plays `file` once, panned by board column (anything else is centre).
    void PlaySound(const std::string& file, std::int16_t position, int device);
    // Loads the music into slot 0 and loops it at the file's own rate.
    void startMusic(const std::string& file, int device);
    void stopMusic();
    // Music frequency follows the stack height; it resumes where it was.
    void SetBGMSpeed(std::int16_t gemHeight);

    std::size_t slotCount() const { return SndBuffer_.size(); }
    BufferHandle slot(std::size_t index) const { return SndBuffer_.at(index); }

    static bool isWaveName(const std::string& file);
    static std::int32_t panFor(std::int16_t position);
    static std::int32_t musicFrequency(double bgmFreq, std::int16_t gemHeight);

private:
    std::int32_t findSlot();
    std::int32_t makeRoom();
    void resizeTo(std::size_t count);
    void empty(std::size_t index);

    AudioDevice& audio_;
    std::vector<BufferHandle> SndBuffer_;
    double BGMFreq_ = 0.0;
};

}  // namespace quarrix::sound
