#include "FakeAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>

using namespace quarrix::sound;

struct SoundBankTest : ::testing::Test {
    quarrix::test::FakeAudio audio;
    SoundBank bank{audio};
};

TEST_F(SoundBankTest, MusicSpeedFollowsTheStackHeight)
{
    bank.SetBGMSpeed(14);
    EXPECT_EQ(audio.deadCalls, 0) << "nothing loaded yet: no call on an empty handle";
    bank.startMusic("BGM_2.wav", 0);  // at 22050 Hz
    for (const auto& [height, hz] : {std::pair<std::int16_t, int>{0, 22050}, {2, 22270}, {6, 22712}, {14, 23594}}) {
        bank.SetBGMSpeed(height);
        EXPECT_EQ(audio.at(bank.slot(0)).frequency, hz) << "height " << height;  // ties go to even
    }
    audio.files["BGM_2.wav"] = 44100;  // the speed is a share of the file's own rate
    bank.startMusic("BGM_2.wav", 0);
    bank.SetBGMSpeed(1);
    EXPECT_EQ(audio.at(bank.slot(0)).frequency, 44320);
}

TEST_F(SoundBankTest, AFullTablePacksDownOrLetsTheNewestGiveWay)
{
    bank.startMusic("BGM_2.wav", 0);
    for (int i = 1; i < SoundBank::MaxSlots; ++i) {
        bank.PlaySound("Dink.wav", 2, 0);
    }
    bank.CleanUpSndBuffer();
    ASSERT_EQ(bank.slotCount(), static_cast<std::size_t>(SoundBank::MaxSlots));  // no spare slot past the last one
    bank.PlaySound("PahTush.wav", 0, 0);  // every slot still sounds; the effect it replaces is released
    ASSERT_EQ(audio.liveCount(), SoundBank::MaxSlots);
    EXPECT_EQ(audio.at(bank.slot(bank.slotCount() - 1)).file, "PahTush.wav");

    const std::vector<BufferHandle> kept{bank.slot(0), bank.slot(100), bank.slot(20000)};
    for (std::size_t i = 1; i < bank.slotCount(); ++i) {
        audio.at(bank.slot(i)).status = 0;  // finished, but for two
    }
    audio.at(kept[1]).status = StatusPlaying;
    audio.at(kept[2]).status = StatusPlaying;
    bank.PlaySound("PahTush.wav", 5, 0);
    ASSERT_EQ(bank.slotCount(), 4U);
    ASSERT_EQ(audio.liveCount(), 4);
    EXPECT_EQ((std::vector{bank.slot(0), bank.slot(1), bank.slot(2)}), kept);  // packed down in order
}

// A finished effect is not a terminated one, nor is the looping music: only the first terminated slot is reused.
TEST_F(SoundBankTest, OnlyATerminatedSlotIsReused)
{
    bank.startMusic("BGM_2.wav", 0);
    for (const std::uint32_t status : {0U, StatusTerminated, StatusPlaying, StatusTerminated}) {
        bank.InitSoundBuffer("Dink.wav", static_cast<std::int16_t>(bank.slotCount()), 0);
        audio.at(bank.slot(bank.slotCount() - 1)).status = status;
    }
    bank.PlaySound("PahTush.wav", 0, 0);
    EXPECT_EQ(bank.slotCount(), 3U);
    EXPECT_EQ(audio.at(bank.slot(2)).file, "PahTush.wav");
}
