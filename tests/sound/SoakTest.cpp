// A long run on the null output: the table, the voices and the memory stay bounded.
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace quarrix::test {
namespace {

using sound::SoundBank;

const std::string Play = QUARRIX_PLAY_DIR;

long residentKiB()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

TEST(SoundSoak, AHundredThousandEffectsKeepPlayingInFlatMemory)
{
    sound::OpenAlAudio audio;
    SoundBank bank(audio);
    bank.startMusic(Play + "/BGM_2.wav", 0);
    ASSERT_NE(bank.slot(0), sound::NoBuffer) << "needs OpenAL Soft's null output";
    const auto round = [&](int i) {
        bank.PlaySound(Play + (i % 5 == 0 ? "/PahTush.wav" : "/Dink.wav"), static_cast<std::int16_t>(i % 6), 0);
        if (i % 4 == 3) {
            bank.CleanUpSndBuffer();  // as after every landing
            bank.SetBGMSpeed(static_cast<std::int16_t>(i % 15));
        }
    };
    for (int i = 0; i < 2000; ++i) {
        round(i);  // warm the caches and the voice pool
    }
    [[maybe_unused]] const long before = residentKiB();
    std::size_t largestTable = 0;
    int silentLate = 0;
    for (int i = 0; i < 100000; ++i) {
        round(i);
        largestTable = std::max(largestTable, bank.slotCount());
        if (i >= 99000 && i % 4 != 3) {
            silentLate += audio.status(bank.slot(bank.slotCount() - 1)) == sound::StatusPlaying ? 0 : 1;
        }
    }
    EXPECT_EQ(silentLate, 0);
    // Effects whose voices were taken are reused, so the table stays near the voice count.
    EXPECT_LT(largestTable, 1000u);
    EXPECT_LE(audio.voicesInUse(), 127u);
    EXPECT_EQ(audio.status(bank.slot(0)), sound::StatusPlaying | sound::StatusLooping);
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer holds freed memory back on purpose: resident size says nothing
    EXPECT_LT(residentKiB() - before, 5 * 1024);
#endif
}

}  // namespace
}  // namespace quarrix::test
