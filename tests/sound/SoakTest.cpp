// A long run on the null output: the table, the voices and the memory stay bounded.
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>

using namespace quarrix::sound;

TEST(SoundSoak, AHundredThousandEffectsKeepPlayingInFlatMemory)
{
    const std::string play = QUARRIX_PLAY_DIR;
    const auto heapBytes = [] { return ::mallinfo2().uordblks + ::mallinfo2().hblkhd; };  // in use, all arenas
    OpenAlAudio audio;
    SoundBank bank(audio);
    bank.startMusic(play + "/BGM_2.wav", 0);
    ASSERT_NE(bank.slot(0), NoBuffer) << "needs OpenAL Soft's null output";
    [[maybe_unused]] std::size_t before = 0;
    std::size_t largestTable = 0, silentLate = 0;
    for (int i = 0; i < 102000; ++i) {
        before = i == 2000 ? heapBytes() : before;  // the first rounds warm the caches and the voice pool
        bank.PlaySound(play + (i % 5 == 0 ? "/PahTush.wav" : "/Dink.wav"), static_cast<std::int16_t>(i % 6), 0);
        if (i % 4 == 3) {
            bank.CleanUpSndBuffer();  // as after every landing
            bank.SetBGMSpeed(static_cast<std::int16_t>(i % 15));
        }
        silentLate += i >= 101000 && i % 4 != 3 && audio.status(bank.slot(bank.slotCount() - 1)) != StatusPlaying;
        largestTable = std::max(largestTable, bank.slotCount());
    }
    EXPECT_EQ(silentLate, 0U);
    // Effects whose voices were taken are reused, so the table stays near the voice count; memory stays flat.
    EXPECT_LT(largestTable, 1000u);
    EXPECT_LE(audio.voicesInUse(), 127u);
    EXPECT_EQ(audio.status(bank.slot(0)), StatusPlaying | StatusLooping);
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer keeps its own heap, which mallinfo2 does not see
    EXPECT_LT(heapBytes(), before + (5U << 20));
#endif
}
