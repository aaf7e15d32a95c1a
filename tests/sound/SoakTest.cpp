// A long session in one run: the table, the voices and the memory stay bounded.
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace quarrix::test {
namespace {

using sound::SoundBank;

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

TEST(SoundSoak, AHundredThousandEffectsKeepPlayingInFlatMemory)
{
    const std::string play = QUARRIX_PLAY_DIR;
    sound::OpenAlAudio audio;
    SoundBank bank(audio);
    ASSERT_FALSE(audio.deviceDescriptions().empty()) << "needs OpenAL Soft's null output";
    bank.startMusic(play + "/BGM_2.wav", 0);
    ASSERT_NE(bank.slot(0), sound::NoBuffer);

    const auto round = [&](int i) {
        bank.PlaySound(play + (i % 5 == 0 ? "/PahTush.wav" : "/Dink.wav"), static_cast<std::int16_t>(i % 6), 0);
        if (i % 4 == 3) {
            bank.CleanUpSndBuffer();  // as after every landing
            bank.SetBGMSpeed(static_cast<std::int16_t>(i % 15));
        }
    };
    for (int i = 0; i < 2000; ++i) {
        round(i);  // warm the caches and the voice pool
    }
    const long before = residentKiB();
    std::size_t largestTable = 0;
    int silentLate = 0;
    constexpr int Plays = 100000;
    for (int i = 0; i < Plays; ++i) {
        round(i);
        largestTable = std::max(largestTable, bank.slotCount());
        if (i >= Plays - 1000 && i % 4 != 3) {
            const auto newest = bank.slot(bank.slotCount() - 1);
            silentLate += audio.status(newest) == sound::StatusPlaying ? 0 : 1;
        }
    }
    const long after = residentKiB();
    std::printf("resident memory %ld KiB before, %ld KiB after 100000 sounds; largest table %zu slots\n", before,
                after, largestTable);

    EXPECT_EQ(silentLate, 0);
    EXPECT_LE(largestTable, static_cast<std::size_t>(SoundBank::MaxSlots));
    EXPECT_LE(audio.voicesInUse(), 127u);
    EXPECT_EQ(audio.status(bank.slot(0)), sound::StatusPlaying | sound::StatusLooping);
#ifndef __SANITIZE_ADDRESS__
    // AddressSanitizer holds freed memory back on purpose, so resident size says nothing there.
    EXPECT_LT(after - before, 5 * 1024) << "resident memory grew from " << before << " KiB to " << after << " KiB";
#endif
}

TEST(SoundSoak, AFullTableOfFinishedEffectsIsSmallAndTheNextEffectStillPlays)
{
    const std::string effect = std::string(QUARRIX_PLAY_DIR) + "/Dink.wav";
    sound::OpenAlAudio audio;
    SoundBank bank(audio);
    ASSERT_FALSE(audio.deviceDescriptions().empty());
    bank.InitSoundBuffer(effect, 1, 0);
    const long before = residentKiB();
    // Loaded and not playing: what a finished effect leaves behind in its slot.
    for (std::int32_t slot = 1; slot < SoundBank::MaxSlots; ++slot) {
        bank.InitSoundBuffer(effect, static_cast<std::int16_t>(slot), 0);
    }
    const long full = residentKiB();
    ASSERT_EQ(bank.slotCount(), static_cast<std::size_t>(SoundBank::MaxSlots));
    ASSERT_EQ(audio.status(bank.slot(SoundBank::MaxSlots - 1)), 0u);
    EXPECT_EQ(audio.voicesInUse(), 0u);

    bank.PlaySound(effect, 1, 0);
    EXPECT_EQ(bank.slotCount(), 2u);
    EXPECT_EQ(audio.status(bank.slot(1)), sound::StatusPlaying);
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LT(full - before, 5 * 1024) << "a full table took " << full - before << " KiB";
#endif
    std::printf("a full table of %d loaded effects takes %ld KiB\n", SoundBank::MaxSlots - 1, full - before);
}

}  // namespace
}  // namespace quarrix::test
