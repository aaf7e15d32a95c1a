#include "FakeAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>

using namespace quarrix::sound;
using quarrix::test::FakeAudio;

constexpr std::uint32_t Music = StatusPlaying | StatusLooping;

class SoundBankTest : public ::testing::Test {
protected:
    FakeAudio audio;
    SoundBank bank{audio};
};

TEST_F(SoundBankTest, PlaysOnlyNamesEndingInLowerCaseWavOncePannedByColumn)
{
    for (const char* refused : {"Dink.WAV", "", "wav", "Dink.wave", "Dink.wav "}) {
        bank.PlaySound(refused, 0, 0);
    }
    EXPECT_EQ(audio.createCalls, 0);
    for (const auto& [position, pan] : {std::pair<std::int16_t, int>{0, -1000}, {3, 200}, {5, 1000}, {-1, 0}, {6, 0}}) {
        bank.PlaySound("Dink.wav", position, 0);
        EXPECT_EQ(std::pair(audio.at(audio.last()).pan, audio.at(audio.last()).status), std::pair(pan, StatusPlaying))
            << "position " << position;
    }
}

// A clean-up drops terminated slots from the top, then leaves one spare.
TEST_F(SoundBankTest, AnEffectReusesTheLowestTerminatedSlotAndACleanUpTrimsTheTop)
{
    constexpr std::uint32_t Empty = ~0U, Once = StatusPlaying, Cut = StatusTerminated;  // Empty: the load failed
    // What, statuses from slot 0 upwards, whether an effect is played (else a clean-up), slots and live buffers.
    const std::tuple<const char*, std::vector<std::uint32_t>, bool, std::size_t, int> cases[]{
        {"finished is not terminated: not reused", {Music, 0, Cut, Once, Cut}, true, 3, 3},
        {"finished top effect grows by one empty slot", {Music, Once, 0}, false, 4, 3},
        {"empty top slot is left alone", {Music, Once, Empty}, false, 3, 2},
        {"terminated slots above a playing one are cut", {Music, Once, Cut, Cut}, false, 3, 3},
        {"looping-only top is left alone", {Music, StatusLooping}, false, 2, 2},
        {"all terminated is left alone", {Cut, Cut}, false, 2, 2},
        {"the walk stops at an empty slot", {Music, Empty, Cut}, false, 3, 2},
    };
    for (const auto& [what, statuses, play, slots, live] : cases) {
        bank.unload();
        for (std::size_t i = 0; i < statuses.size(); ++i) {
            bank.InitSoundBuffer(statuses[i] == Empty ? "missing.wav" : "Dink.wav", static_cast<std::int16_t>(i), 0);
            if (statuses[i] != Empty) {
                audio.setStatus(bank.slot(i), statuses[i]);
            }
        }
        play ? bank.PlaySound("PahTush.wav", 0, 0) : bank.CleanUpSndBuffer();
        EXPECT_EQ(std::pair(bank.slotCount(), audio.liveCount()), std::pair(slots, live)) << what;
    }
}

TEST_F(SoundBankTest, MusicSpeedFollowsTheStackHeightWithTiesToEvenAndSkipsWithoutMusic)
{
    bank.SetBGMSpeed(14);  // nothing loaded yet: no call on an empty handle
    EXPECT_EQ(audio.deadCalls, 0);
    const std::tuple<std::int32_t, std::int16_t, std::int32_t> cases[]{
        {22050, 0, 22050}, {22050, 2, 22270}, {22050, 6, 22712}, {22050, 14, 23594}, {44100, 1, 44320}};
    for (const auto& [base, height, hz] : cases) {
        audio.files["BGM_2.wav"] = base;
        bank.startMusic("BGM_2.wav", 0);
        bank.SetBGMSpeed(height);
        EXPECT_EQ(audio.at(bank.slot(0)).frequency, hz) << base << " Hz at height " << height;
    }
}

TEST_F(SoundBankTest, AFullTablePacksTheSoundingEffectsDownOrLetsTheNewestGiveWay)
{
    constexpr auto Full = static_cast<std::size_t>(SoundBank::MaxSlots);
    bank.startMusic("BGM_2.wav", 0);
    for (int i = 1; i < SoundBank::MaxSlots; ++i) {
        bank.PlaySound("Dink.wav", 2, 0);
    }
    bank.CleanUpSndBuffer();  // no spare slot past the last one
    ASSERT_EQ(bank.slotCount(), Full);
    bank.PlaySound("PahTush.wav", 0, 0);  // every slot still sounds; the effect it replaces is released
    ASSERT_EQ(std::pair(bank.slotCount(), audio.liveCount()), std::pair(Full, SoundBank::MaxSlots));
    EXPECT_EQ(audio.at(bank.slot(Full - 1)).file, "PahTush.wav");

    const std::vector<BufferHandle> sounding{bank.slot(100), bank.slot(20000)};
    for (std::size_t i = 1; i < Full; ++i) {
        audio.setStatus(bank.slot(i), i == 100 || i == 20000 ? StatusPlaying : 0);
    }
    bank.PlaySound("PahTush.wav", 5, 0);
    ASSERT_EQ(bank.slotCount(), 4U);
    EXPECT_EQ(audio.at(bank.slot(0)).status, Music);
    EXPECT_EQ((std::vector<BufferHandle>{bank.slot(1), bank.slot(2)}), sounding);  // packed down in order
    EXPECT_EQ(audio.liveCount(), 4);
}
