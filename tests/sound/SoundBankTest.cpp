#include "FakeAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quarrix::test {
namespace {

using namespace sound;

constexpr int Speakers = 0;
constexpr std::uint32_t Music = StatusPlaying | StatusLooping;

class SoundBankTest : public ::testing::Test {
protected:
    // Music in slot 0 and `effects` one-shots above it, all still sounding.
    void fill(int effects)
    {
        bank.startMusic("BGM_2.wav", Speakers);
        for (int i = 0; i < effects; ++i) {
            bank.PlaySound("Dink.wav", 2, Speakers);
        }
    }

    FakeAudio audio;
    SoundBank bank{audio};
};

TEST_F(SoundBankTest, PlaysOnlyNamesEndingInLowerCaseWavPannedByColumn)
{
    for (const char* refused : {"Dink.WAV", "Dink.Wav", "", "wav", "Dink.wave", "Dink.wav "}) {
        bank.PlaySound(refused, 0, Speakers);
    }
    EXPECT_EQ(audio.createCalls, 0);
    const std::pair<std::int16_t, std::int32_t> pans[]{{0, -1000}, {3, 200}, {5, 1000}, {-1, 0}, {6, 0}};
    for (const auto& [position, pan] : pans) {
        bank.PlaySound("Dink.wav", position, Speakers);
        EXPECT_EQ(audio.at(audio.last()).pan, pan) << "position " << position;
    }
}

TEST_F(SoundBankTest, SlotSearchReusesTheLowestTerminatedSlotAndCutsTheSlotsAbove)
{
    fill(4);
    audio.setStatus(bank.slot(1), 0);  // finished is not terminated: not reused
    audio.setStatus(bank.slot(2), StatusTerminated);
    audio.setStatus(bank.slot(4), StatusTerminated);
    bank.PlaySound("PahTush.wav", 0, Speakers);
    ASSERT_EQ(bank.slotCount(), 3u);
    EXPECT_EQ(audio.at(bank.slot(2)).file, "PahTush.wav");
    EXPECT_EQ(audio.at(bank.slot(2)).status, StatusPlaying);  // once, not looping
    EXPECT_EQ(audio.liveCount(), 3);                          // slots 3 and 4 released, the finished slot 1 kept
}

TEST_F(SoundBankTest, LoadingIntoASlotCutsOffEverySlotAboveAndUnloadEmptiesTheTable)
{
    fill(4);
    bank.InitSoundBuffer("PahTush.wav", 2, Speakers);
    ASSERT_EQ(bank.slotCount(), 3u);
    EXPECT_EQ(audio.liveCount(), 3);               // the old slot 2 and everything above released
    EXPECT_EQ(audio.at(bank.slot(2)).status, 0u);  // loaded, not started

    bank.InitSoundBuffer("BGM_2.wav", 0, Speakers);
    EXPECT_EQ(bank.slotCount(), 1u);
    EXPECT_EQ(audio.liveCount(), 1);
    bank.unload();
    EXPECT_EQ(bank.slot(0), NoBuffer);
    EXPECT_EQ(audio.liveCount(), 0);
}

TEST_F(SoundBankTest, CleanUpDropsTerminatedSlotsFromTheTopThenLeavesOneSpare)
{
    constexpr std::uint32_t Empty = ~0u;  // a slot whose load failed
    constexpr std::uint32_t Once = StatusPlaying, Cut = StatusTerminated;
    // What, statuses from slot 0 upwards, slots and live buffers after the clean-up.
    const std::tuple<const char*, std::vector<std::uint32_t>, std::size_t, int> cases[]{
        {"finished top effect grows by one empty slot", {Music, Once, 0}, 4, 3},
        {"empty top slot is left alone", {Music, Once, Empty}, 3, 2},
        {"only the playing music grows to two slots", {Music}, 2, 1},
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
    const std::tuple<std::int32_t, std::int16_t, std::int32_t> cases[]{{22050, 0, 22050},  {22050, 1, 22160},
                                                                       {22050, 2, 22270},  {22050, 6, 22712},
                                                                       {22050, 14, 23594}, {44100, 1, 44320}};
    for (const auto& [base, height, hz] : cases) {
        audio.files["BGM_2.wav"] = base;
        bank.startMusic("BGM_2.wav", Speakers);
        bank.SetBGMSpeed(height);
        EXPECT_EQ(audio.at(bank.slot(0)).frequency, hz) << base << " Hz at height " << height;
        EXPECT_EQ(audio.at(bank.slot(0)).status, Music);
    }
}

TEST_F(SoundBankTest, AtTheLastSixteenBitSlotSoundingEffectsArePackedDownAndTheNewOnePlays)
{
    constexpr auto Full = static_cast<std::size_t>(SoundBank::MaxSlots);
    fill(SoundBank::MaxSlots - 1);
    ASSERT_EQ(bank.slotCount(), Full);
    const std::vector<BufferHandle> sounding{bank.slot(100), bank.slot(20000), bank.slot(32767)};
    for (std::size_t i = 1; i < Full; ++i) {
        audio.setStatus(bank.slot(i), 0);
    }
    for (const auto h : sounding) {
        audio.setStatus(h, StatusPlaying);
    }
    bank.PlaySound("PahTush.wav", 5, Speakers);
    ASSERT_EQ(bank.slotCount(), 5u);
    EXPECT_EQ(audio.at(bank.slot(0)).status, Music);
    for (std::size_t i = 0; i < sounding.size(); ++i) {
        EXPECT_EQ(bank.slot(i + 1), sounding[i]);  // packed down in order
    }
    EXPECT_EQ(audio.at(bank.slot(4)).status, StatusPlaying);
    EXPECT_EQ(audio.liveCount(), 5);

    // When every slot still sounds, the newest effect gives way.
    fill(SoundBank::MaxSlots - 1);
    bank.CleanUpSndBuffer();  // no spare slot past the last one
    ASSERT_EQ(bank.slotCount(), Full);
    bank.PlaySound("PahTush.wav", 0, Speakers);
    ASSERT_EQ(bank.slotCount(), Full);
    EXPECT_EQ(audio.liveCount(), SoundBank::MaxSlots);  // the effect it replaced is released
    EXPECT_EQ(audio.at(bank.slot(Full - 1)).file, "PahTush.wav");
}

}  // namespace
}  // namespace quarrix::test
