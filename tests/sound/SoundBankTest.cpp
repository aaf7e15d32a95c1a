#include "FakeAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>

using namespace quarrix::sound;

struct SoundBankTest : ::testing::Test {
    quarrix::test::FakeAudio audio;
    SoundBank bank{audio};
};

TEST_F(SoundBankTest, PlaysOnlyNamesEndingInLowerCaseWav)
{
    bank.SetBGMSpeed(14);  // nothing loaded yet: no call on an empty handle
    for (const char* refused : {"Dink.WAV", "", "wav", "Dink.wave", "Dink.wav "}) {
        bank.PlaySound(refused, 0, 0);
    }
    EXPECT_EQ(audio.createCalls + audio.deadCalls, 0);
}

TEST_F(SoundBankTest, MusicSpeedFollowsTheStackHeight)
{
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

// Rows: statuses from slot 0 up (Empty: the load failed), effect played (else a clean-up), slots, live buffers.
TEST_F(SoundBankTest, SlotsAreReusedOrTrimmedByTheirStatus)
{
    constexpr std::uint32_t Empty = ~0U, Once = StatusPlaying, Cut = StatusTerminated, Music = Once | StatusLooping;
    const std::tuple<const char*, std::vector<std::uint32_t>, bool, std::size_t, int> cases[]{
        {"finished is not terminated: not reused", {Music, 0, Cut, Once, Cut}, true, 3, 3},
        {"finished top effect grows by one empty slot", {Music, Once, 0}, false, 4, 3},
        {"empty top slot is left alone", {Music, Once, Empty}, false, 3, 2},
        {"terminated slots above a playing one are cut", {Music, Once, Cut, Cut}, false, 3, 3},
        {"all terminated is left alone", {Cut, Cut}, false, 2, 2},
        {"the walk stops at an empty slot", {Music, Empty, Cut}, false, 3, 2},
    };
    for (const auto& [what, statuses, play, slots, live] : cases) {
        SCOPED_TRACE(what);
        bank.unload();
        for (std::size_t i = 0; i < statuses.size(); ++i) {
            const auto index = static_cast<std::int16_t>(i);
            if (statuses[i] == Empty) {
                bank.InitSoundBuffer("missing.wav", index, 0);
            } else {
                bank.InitSoundBuffer("Dink.wav", index, 0);
                audio.at(bank.slot(i)).status = statuses[i];
            }
        }
        if (play) {
            bank.PlaySound("PahTush.wav", 0, 0);
        } else {
            bank.CleanUpSndBuffer();
        }
        EXPECT_EQ(bank.slotCount(), slots);
        EXPECT_EQ(audio.liveCount(), live);
    }
}
