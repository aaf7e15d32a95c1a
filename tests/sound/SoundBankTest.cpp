#include "FakeAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>

namespace quarrix::test {
namespace {

using sound::NoBuffer;
using sound::SoundBank;
using sound::StatusLooping;
using sound::StatusPlaying;
using sound::StatusTerminated;

constexpr int Speakers = 0;
constexpr std::uint32_t Music = StatusPlaying | StatusLooping;
constexpr auto Full = static_cast<std::size_t>(SoundBank::MaxSlots);

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
    const std::pair<std::int16_t, std::int32_t> pans[]{{0, -1000}, {1, -600}, {3, 200},   {5, 1000},
                                                       {-1, 0},    {6, 0},    {-32768, 0}};
    for (const auto& [position, pan] : pans) {
        bank.PlaySound("Dink.wav", position, Speakers);
        EXPECT_EQ(audio.at(audio.last()).pan, pan) << "position " << position;
    }
}

TEST_F(SoundBankTest, SlotSearchReusesTheLowestTerminatedSlotAndCutsTheSlotsAbove)
{
    fill(4);
    audio.setStatus(bank.slot(1), 0);  // finished is not terminated: not reused
    bank.PlaySound("PahTush.wav", 0, Speakers);
    ASSERT_EQ(bank.slotCount(), 6u);
    EXPECT_EQ(audio.at(bank.slot(5)).status, StatusPlaying);  // once, not looping

    const auto slot3 = bank.slot(3);
    const auto top = bank.slot(5);
    audio.setStatus(bank.slot(2), StatusTerminated);
    audio.setStatus(bank.slot(4), StatusTerminated);
    bank.PlaySound("PahTush.wav", 0, Speakers);
    ASSERT_EQ(bank.slotCount(), 3u);
    EXPECT_EQ(audio.at(bank.slot(2)).file, "PahTush.wav");
    EXPECT_FALSE(audio.isLive(slot3));
    EXPECT_FALSE(audio.isLive(top));
    EXPECT_TRUE(audio.isLive(bank.slot(1)));
}

TEST_F(SoundBankTest, LoadingIntoASlotReplacesItAndCutsOffEverySlotAbove)
{
    fill(4);
    const auto old2 = bank.slot(2);
    const auto top = bank.slot(4);
    bank.InitSoundBuffer("PahTush.wav", 2, Speakers);
    ASSERT_EQ(bank.slotCount(), 3u);
    EXPECT_FALSE(audio.isLive(old2));
    EXPECT_FALSE(audio.isLive(top));
    EXPECT_EQ(audio.at(bank.slot(2)).file, "PahTush.wav");
    EXPECT_EQ(audio.at(bank.slot(2)).status, 0u);  // loaded, not started

    bank.InitSoundBuffer("BGM_2.wav", 0, Speakers);
    EXPECT_EQ(bank.slotCount(), 1u);
    EXPECT_EQ(audio.liveCount(), 1);
}

TEST_F(SoundBankTest, CleanUpDropsTerminatedSlotsFromTheTopThenLeavesOneSpare)
{
    constexpr std::uint32_t Empty = ~0u;  // a slot whose load failed
    struct Case {
        const char* what;
        std::vector<std::uint32_t> statuses;  // slot 0 upwards
        std::size_t slots;
        int live;
    };
    const Case cases[]{
        {"finished top effect grows by one empty slot", {Music, StatusPlaying, 0}, 4, 3},
        {"empty top slot is left alone", {Music, StatusPlaying, Empty}, 3, 2},
        {"only the playing music grows to two slots", {Music}, 2, 1},
        {"terminated slots above a playing one are cut",
         {Music, StatusPlaying, StatusTerminated, StatusTerminated},
         3,
         3},
        {"looping-only top is left alone", {Music, StatusLooping}, 2, 2},
        {"all terminated is left alone", {StatusTerminated, StatusTerminated}, 2, 2},
        {"the walk stops at an empty slot", {Music, Empty, StatusTerminated}, 3, 2},
    };
    for (const Case& c : cases) {
        bank.unload();
        for (std::size_t i = 0; i < c.statuses.size(); ++i) {
            const auto index = static_cast<std::int16_t>(i);
            bank.InitSoundBuffer(c.statuses[i] == Empty ? "missing.wav" : "Dink.wav", index, Speakers);
            if (c.statuses[i] != Empty) {
                audio.setStatus(bank.slot(i), c.statuses[i]);
            }
        }
        bank.CleanUpSndBuffer();
        EXPECT_EQ(bank.slotCount(), c.slots) << c.what;
        EXPECT_EQ(audio.liveCount(), c.live) << c.what;
    }
}

TEST_F(SoundBankTest, UnloadAndDestructionReleaseEveryBuffer)
{
    fill(3);
    bank.unload();
    EXPECT_EQ(bank.slotCount(), 1u);
    EXPECT_EQ(bank.slot(0), NoBuffer);
    EXPECT_EQ(audio.liveCount(), 0);
    {
        SoundBank other(audio);
        other.startMusic("BGM_2.wav", Speakers);
        other.PlaySound("Dink.wav", 1, Speakers);
    }
    EXPECT_EQ(audio.liveCount(), 0);
}

TEST_F(SoundBankTest, MusicLoopsAtItsFilesRateAndSpeedChangesSkipWhenItIsMissing)
{
    audio.files["BGM_2.wav"] = 44100;
    bank.startMusic("BGM_2.wav", Speakers);
    EXPECT_EQ(audio.at(bank.slot(0)).status, Music);
    bank.startMusic("none.wav", Speakers);
    EXPECT_EQ(bank.slot(0), NoBuffer);
    EXPECT_DOUBLE_EQ(bank.BGMFreq(), 44100.0);  // the last rate found is kept

    const int dead = audio.deadCalls;
    bank.SetBGMSpeed(14);
    EXPECT_EQ(audio.deadCalls, dead);
}

TEST(MusicFrequency, FollowsTheStackHeightWithTiesToEven)
{
    struct Case {
        double base;
        std::int16_t height;
        std::int32_t hz;
    };
    const Case cases[]{{22050, 0, 22050}, {22050, 1, 22160},  {22050, 2, 22270},
                       {22050, 6, 22712}, {22050, 14, 23594}, {44100, 1, 44320}};
    for (const Case& c : cases) {
        EXPECT_EQ(SoundBank::musicFrequency(c.base, c.height), c.hz) << c.base << " Hz at height " << c.height;
    }
}

TEST_F(SoundBankTest, AtTheLastSixteenBitSlotFinishedEffectsMakeRoomAndSoundingOnesStay)
{
    fill(SoundBank::MaxSlots - 1);
    ASSERT_EQ(bank.slotCount(), Full);
    bank.CleanUpSndBuffer();  // no spare slot past the last one
    EXPECT_EQ(bank.slotCount(), Full);
    const auto newest = bank.slot(Full - 1);
    bank.PlaySound("PahTush.wav", 0, Speakers);  // every slot sounds: the newest effect gives way
    ASSERT_EQ(bank.slotCount(), Full);
    EXPECT_FALSE(audio.isLive(newest));
    EXPECT_EQ(audio.at(bank.slot(Full - 1)).file, "PahTush.wav");

    const std::vector<sound::BufferHandle> sounding{bank.slot(100), bank.slot(20000), bank.slot(32767)};
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
}

}  // namespace
}  // namespace quarrix::test
