#include "FakeAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quarrix::test {
namespace {

using namespace sound;

constexpr std::uint32_t Music = StatusPlaying | StatusLooping;

class SoundBankTest : public ::testing::Test {
protected:
    // Music in slot 0 and `effects` one-shots above it, all still sounding.
    void fill(int effects)
    {
        bank.startMusic("BGM_2.wav", 0);
        for (int i = 0; i < effects; ++i) {
            bank.PlaySound("Dink.wav", 2, 0);
        }
    }

    FakeAudio audio;
    SoundBank bank{audio};
};

TEST_F(SoundBankTest, PlaysOnlyNamesEndingInLowerCaseWavPannedByColumn)
{
    for (const char* refused : {"Dink.WAV", "", "wav", "Dink.wave", "Dink.wav "}) {
        bank.PlaySound(refused, 0, 0);
    }
    EXPECT_EQ(audio.createCalls, 0);
    const std::pair<std::int16_t, std::int32_t> pans[]{{0, -1000}, {3, 200}, {5, 1000}, {-1, 0}, {6, 0}};
    for (const auto& [position, pan] : pans) {
        bank.PlaySound("Dink.wav", position, 0);
        EXPECT_EQ(audio.at(audio.last()).pan, pan) << "position " << position;
        EXPECT_EQ(audio.at(audio.last()).status, StatusPlaying) << "once, not looping";
    }
}

TEST_F(SoundBankTest, AnEffectReusesTheLowestTerminatedSlotAndCutsTheSlotsAbove)
{
    fill(4);
    audio.setStatus(bank.slot(1), 0);  // finished is not terminated: not reused
    audio.setStatus(bank.slot(2), StatusTerminated);
    audio.setStatus(bank.slot(4), StatusTerminated);
    bank.PlaySound("PahTush.wav", 0, 0);
    ASSERT_EQ(bank.slotCount(), 3U);
    EXPECT_EQ(audio.at(bank.slot(2)).file, "PahTush.wav");
    EXPECT_EQ(audio.liveCount(), 3);  // slots 3 and 4 released, the finished slot 1 kept
    bank.unload();
    EXPECT_EQ(audio.liveCount(), 0);
}

TEST_F(SoundBankTest, CleanUpDropsTerminatedSlotsFromTheTopThenLeavesOneSpare)
{
    constexpr std::uint32_t Empty = ~0U;  // a slot whose load failed
    constexpr std::uint32_t Once = StatusPlaying, Cut = StatusTerminated;
    // What, statuses from slot 0 upwards, slots and live buffers after the clean-up.
    const std::tuple<const char*, std::vector<std::uint32_t>, std::size_t, int> cases[]{
        {"finished top effect grows by one empty slot", {Music, Once, 0}, 4, 3},
        {"empty top slot is left alone", {Music, Once, Empty}, 3, 2},
        {"terminated slots above a playing one are cut", {Music, Once, Cut, Cut}, 3, 3},
        {"looping-only top is left alone", {Music, StatusLooping}, 2, 2},
        {"all terminated is left alone", {Cut, Cut}, 2, 2},
        {"the walk stops at an empty slot", {Music, Empty, Cut}, 3, 2},
    };
    for (const auto& [what, statuses, slots, live] : cases) {
        bank.unload();
        for (std::size_t i = 0; i < statuses.size(); ++i) {
            bank.InitSoundBuffer(statuses[i] == Empty ? "missing.wav" : "Dink.wav", static_cast<std::int16_t>(i), 0);
            if (statuses[i] != Empty) {
                audio.setStatus(bank.slot(i), statuses[i]);
            }
        }
        bank.CleanUpSndBuffer();
        EXPECT_EQ(bank.slotCount(), slots) << what;
        EXPECT_EQ(audio.liveCount(), live) << what;
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
        EXPECT_EQ(audio.at(bank.slot(0)).status, Music);
    }
}

TEST_F(SoundBankTest, AFullTablePacksTheSoundingEffectsDownOrLetsTheNewestGiveWay)
{
    constexpr auto Full = static_cast<std::size_t>(SoundBank::MaxSlots);
    fill(SoundBank::MaxSlots - 1);
    bank.CleanUpSndBuffer();  // no spare slot past the last one
    ASSERT_EQ(bank.slotCount(), Full);
    bank.PlaySound("PahTush.wav", 0, 0);  // every slot still sounds
    ASSERT_EQ(bank.slotCount(), Full);
    EXPECT_EQ(audio.liveCount(), SoundBank::MaxSlots);  // the effect it replaced is released
    EXPECT_EQ(audio.at(bank.slot(Full - 1)).file, "PahTush.wav");

    const std::vector<BufferHandle> sounding{bank.slot(100), bank.slot(20000)};
    for (std::size_t i = 1; i < Full; ++i) {
        audio.setStatus(bank.slot(i), 0);
    }
    for (const auto h : sounding) {
        audio.setStatus(h, StatusPlaying);
    }
    bank.PlaySound("PahTush.wav", 5, 0);
    ASSERT_EQ(bank.slotCount(), 4U);
    EXPECT_EQ(audio.at(bank.slot(0)).status, Music);
    EXPECT_EQ((std::vector<BufferHandle>{bank.slot(1), bank.slot(2)}), sounding);  // packed down in order
    EXPECT_EQ(audio.liveCount(), 4);
}

}  // namespace
}  // namespace quarrix::test
