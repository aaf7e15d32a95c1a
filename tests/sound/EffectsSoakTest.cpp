// A long run on the null output: taken voices are reused, so the table, the voices and the memory stay bounded.
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <algorithm>

using namespace quarrix::sound;

TEST(SoundSoak, AHundredThousandEffectsKeepPlayingInFlatMemory)
{
    const auto heapBytes = [] { return ::mallinfo2().uordblks + ::mallinfo2().hblkhd; };  // in use, all arenas
    OpenAlAudio audio;
    SoundBank bank(audio);
    bank.startMusic(QUARRIX_PLAY_DIR "/BGM_2.wav", 0);
    const char* effects[] = {QUARRIX_PLAY_DIR "/PahTush.wav", QUARRIX_PLAY_DIR "/Dink.wav"};
    [[maybe_unused]] std::size_t before = 0;  // unused under AddressSanitizer
    int silentLate = 0;
    for (int i = 0; i < 102000; ++i) {
        if (i == 2000) {
            before = heapBytes();  // the first rounds warm the caches and the voice pool
        }
        bank.PlaySound(effects[std::min(i % 5, 1)], static_cast<std::int16_t>(i % 6), 0);
        if (i % 4 == 3) {
            bank.CleanUpSndBuffer();  // as after every landing
            bank.SetBGMSpeed(static_cast<std::int16_t>(i % 15));
        } else if (i >= 101000 && audio.status(bank.slot(bank.slotCount() - 1)) != StatusPlaying) {
            ++silentLate;
        }
    }
    EXPECT_EQ(silentLate, 0);
    EXPECT_LT(bank.slotCount(), 1000U);
    EXPECT_LE(audio.voicesInUse(), 127U);
    EXPECT_EQ(audio.status(bank.slot(0)), StatusPlaying | StatusLooping) << "the music, on OpenAL Soft's null output";
    bank.unload();
    EXPECT_EQ(audio.voicesInUse(), 0U) << "every voice back once the table is emptied";
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer keeps its own heap, which mallinfo2 does not see
    EXPECT_LT(heapBytes(), before + (5U << 20));
#endif
}
