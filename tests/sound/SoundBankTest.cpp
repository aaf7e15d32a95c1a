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
constexpr int Headphones = 1;

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

// --- PlaySound: name test, pan, slot search -------------------------------------------

TEST_F(SoundBankTest, OnlyNamesEndingInLowerCaseWavArePlayed)
{
    for (const char* refused : {"Dink.WAV", "Dink.Wav", "", "wav", ".wa", "Dink.wave", "Dink.wav "}) {
        bank.PlaySound(refused, 0, Speakers);
    }
    EXPECT_EQ(audio.createCalls, 0);
    EXPECT_EQ(bank.slotCount(), 1u);

    bank.PlaySound("Dink.wav", 0, Speakers);
    EXPECT_EQ(audio.createCalls, 1);
}

TEST_F(SoundBankTest, ColumnsPanFromLeftToRightAndAnythingElseIsCentre)
{
    const std::vector<std::pair<std::int16_t, std::int32_t>> expected{
        {0, -1000}, {1, -600}, {2, -200}, {3, 200}, {4, 600}, {5, 1000},
        {-1, 0},    {6, 0},    {-32768, 0}, {32767, 0}};
    for (const auto& [position, pan] : expected) {
        bank.PlaySound("Dink.wav", position, Speakers);
        EXPECT_EQ(audio.at(audio.last()).pan, pan) << "position " << position;
    }
}

TEST_F(SoundBankTest, EachSoundGoesOnTopWhileNoSlotIsTerminated)
{
    fill(0);
    audio.setStatus(bank.slot(0), StatusPlaying | StatusLooping);
    bank.PlaySound("Dink.wav", 1, Speakers);
    const auto first = bank.slot(1);
    audio.setStatus(first, 0);  // finished effects report 0 and are not reused
    bank.PlaySound("PahTush.wav", 4, Speakers);

    ASSERT_EQ(bank.slotCount(), 3u);
    EXPECT_EQ(audio.at(bank.slot(2)).file, "PahTush.wav");
    EXPECT_EQ(audio.at(bank.slot(2)).plays, 1);
    EXPECT_EQ(audio.at(bank.slot(2)).status, StatusPlaying);  // once, not looping
    EXPECT_TRUE(audio.isLive(first));
}

TEST_F(SoundBankTest, LowestTerminatedSlotIsReusedAndSlotsAboveItAreCut)
{
    fill(5);
    const auto slot2 = bank.slot(2);
    const auto slot3 = bank.slot(3);
    const auto slot4 = bank.slot(4);
    const auto slot5 = bank.slot(5);
    audio.setStatus(slot2, StatusTerminated);
    audio.setStatus(slot4, StatusTerminated);

    bank.PlaySound("PahTush.wav", 0, Speakers);

    ASSERT_EQ(bank.slotCount(), 3u);
    EXPECT_EQ(audio.at(bank.slot(2)).file, "PahTush.wav");
    for (const auto gone : {slot2, slot3, slot4, slot5}) {
        EXPECT_FALSE(audio.isLive(gone));
    }
    EXPECT_TRUE(audio.isLive(bank.slot(1)));
    EXPECT_TRUE(audio.isLive(bank.slot(0)));
}

TEST_F(SoundBankTest, AnUnreadableEffectLeavesItsSlotEmptyAndStaysQuiet)
{
    fill(1);
    bank.PlaySound("missing.wav", 3, Speakers);
    ASSERT_EQ(bank.slotCount(), 3u);
    EXPECT_EQ(bank.slot(2), NoBuffer);
    // The empty slot is passed over by the next search.
    bank.PlaySound("Dink.wav", 3, Speakers);
    EXPECT_EQ(bank.slotCount(), 4u);
    EXPECT_NE(bank.slot(3), NoBuffer);
}

TEST_F(SoundBankTest, ANewDeviceChoiceTakesEffectWithTheNextSoundLoaded)
{
    fill(0);
    bank.PlaySound("Dink.wav", 0, Speakers);
    const auto earlier = audio.last();
    bank.PlaySound("Dink.wav", 5, Headphones);

    EXPECT_EQ(audio.at(audio.last()).device, Headphones);
    EXPECT_EQ(audio.at(earlier).device, Speakers);
    EXPECT_TRUE(audio.isLive(earlier));
    EXPECT_EQ(audio.at(earlier).status, StatusPlaying);
    EXPECT_EQ(audio.at(bank.slot(0)).device, Speakers);  // the music stays where it was loaded
    // A hand-edited device text selects nothing: the load fails quietly.
    bank.PlaySound("Dink.wav", 5, -1);
    EXPECT_EQ(bank.slot(bank.slotCount() - 1), NoBuffer);
}

// --- InitSoundBuffer -------------------------------------------------------------------

TEST_F(SoundBankTest, LoadingIntoSlotZeroThrowsAwayEveryEffect)
{
    fill(5);
    std::vector<sound::BufferHandle> effects;
    for (std::size_t i = 1; i <= 5; ++i) {
        effects.push_back(bank.slot(i));
    }
    bank.InitSoundBuffer("BGM_2.wav", 0, Speakers);
    EXPECT_EQ(bank.slotCount(), 1u);
    for (const auto e : effects) {
        EXPECT_FALSE(audio.isLive(e));
    }
    EXPECT_EQ(audio.liveCount(), 1);
}

TEST_F(SoundBankTest, LoadingIntoALowerSlotReplacesItAndCutsOffTheSlotsAbove)
{
    fill(4);
    const auto old2 = bank.slot(2);
    const auto above = bank.slot(4);
    bank.InitSoundBuffer("PahTush.wav", 2, Speakers);
    ASSERT_EQ(bank.slotCount(), 3u);
    EXPECT_FALSE(audio.isLive(old2));
    EXPECT_FALSE(audio.isLive(above));
    EXPECT_EQ(audio.at(bank.slot(2)).file, "PahTush.wav");
    EXPECT_EQ(audio.at(bank.slot(2)).status, 0u);  // loaded, not started

    bank.InitSoundBuffer("nothing.wav", 1, Speakers);
    EXPECT_EQ(bank.slotCount(), 2u);
    EXPECT_EQ(bank.slot(1), NoBuffer);
}

TEST_F(SoundBankTest, LoadingAboveTheTopGrowsTheTableWithEmptySlots)
{
    fill(0);
    bank.InitSoundBuffer("Dink.wav", 4, Speakers);
    ASSERT_EQ(bank.slotCount(), 5u);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(bank.slot(i), NoBuffer);
    }
    EXPECT_NE(bank.slot(4), NoBuffer);
}

// --- CleanUpSndBuffer ------------------------------------------------------------------

TEST_F(SoundBankTest, CleanUpAfterAFinishedTopEffectAddsOneEmptySlot)
{
    fill(2);
    audio.setStatus(bank.slot(2), 0);
    bank.CleanUpSndBuffer();
    ASSERT_EQ(bank.slotCount(), 4u);
    EXPECT_EQ(bank.slot(3), NoBuffer);
    // With the empty slot on top, a second tidy-up changes nothing.
    bank.CleanUpSndBuffer();
    EXPECT_EQ(bank.slotCount(), 4u);
}

TEST_F(SoundBankTest, CleanUpWithOnlyThePlayingMusicGrowsToTwoSlots)
{
    fill(0);
    ASSERT_EQ(audio.at(bank.slot(0)).status, StatusPlaying | StatusLooping);
    bank.CleanUpSndBuffer();
    EXPECT_EQ(bank.slotCount(), 2u);
}

TEST_F(SoundBankTest, CleanUpDropsTerminatedSlotsAboveTheLastSoundingOne)
{
    fill(4);
    const auto slot3 = bank.slot(3);
    const auto slot4 = bank.slot(4);
    audio.setStatus(bank.slot(2), StatusPlaying);
    audio.setStatus(slot3, StatusTerminated);
    audio.setStatus(slot4, StatusTerminated);
    bank.CleanUpSndBuffer();
    ASSERT_EQ(bank.slotCount(), 4u);
    EXPECT_EQ(bank.slot(3), slot3);
    EXPECT_TRUE(audio.isLive(slot3));
    EXPECT_FALSE(audio.isLive(slot4));
}

TEST_F(SoundBankTest, CleanUpLeavesTheTableAloneOnLoopingOnlyEmptyOrAllTerminated)
{
    fill(2);
    audio.setStatus(bank.slot(2), StatusLooping);  // exactly 0x4
    bank.CleanUpSndBuffer();
    EXPECT_EQ(bank.slotCount(), 3u);

    audio.setStatus(bank.slot(2), StatusTerminated);
    audio.setStatus(bank.slot(1), StatusTerminated);
    audio.setStatus(bank.slot(0), StatusTerminated);
    bank.CleanUpSndBuffer();  // the walk falls below slot 0
    EXPECT_EQ(bank.slotCount(), 3u);

    bank.InitSoundBuffer("missing.wav", 1, Speakers);  // slot 1 empty under a terminated top
    bank.InitSoundBuffer("Dink.wav", 2, Speakers);
    audio.setStatus(bank.slot(2), StatusTerminated);
    bank.CleanUpSndBuffer();  // the walk stops at the empty slot
    EXPECT_EQ(bank.slotCount(), 3u);
    EXPECT_TRUE(audio.isLive(bank.slot(2)));
}

// --- Unload ----------------------------------------------------------------------------

TEST_F(SoundBankTest, UnloadStopsEverythingAndLeavesOneEmptySlot)
{
    fill(3);
    bank.unload();
    EXPECT_EQ(bank.slotCount(), 1u);
    EXPECT_EQ(bank.slot(0), NoBuffer);
    EXPECT_EQ(audio.liveCount(), 0);
    EXPECT_DOUBLE_EQ(bank.BGMFreq(), 22050.0);  // kept, as the window's other fields are
}

TEST_F(SoundBankTest, DestroyingTheTableReleasesEveryBuffer)
{
    {
        SoundBank other(audio);
        other.startMusic("BGM_2.wav", Speakers);
        other.PlaySound("Dink.wav", 1, Speakers);
        other.PlaySound("Dink.wav", 2, Headphones);
        ASSERT_EQ(audio.liveCount(), 3);
    }
    EXPECT_EQ(audio.liveCount(), 0);
}

// --- Music -----------------------------------------------------------------------------

TEST_F(SoundBankTest, MusicStartsLoopingAtTheFilesOwnRate)
{
    audio.files["BGM_2.wav"] = 44100;
    bank.startMusic("BGM_2.wav", Headphones);
    const auto& music = audio.at(bank.slot(0));
    EXPECT_EQ(music.status, StatusPlaying | StatusLooping);
    EXPECT_EQ(music.device, Headphones);
    EXPECT_DOUBLE_EQ(bank.BGMFreq(), 44100.0);
}

TEST_F(SoundBankTest, MissingMusicLeavesSlotZeroEmptyAndKeepsTheLastBaseFrequency)
{
    bank.startMusic("none.wav", Speakers);
    EXPECT_EQ(bank.slot(0), NoBuffer);
    EXPECT_DOUBLE_EQ(bank.BGMFreq(), 0.0);

    bank.startMusic("BGM_2.wav", Speakers);
    bank.startMusic("none.wav", Speakers);
    EXPECT_DOUBLE_EQ(bank.BGMFreq(), 22050.0);
    // Speeding up music that is not there does nothing and does not fail.
    bank.SetBGMSpeed(14);
    EXPECT_EQ(bank.slot(0), NoBuffer);
}

TEST(MusicFrequency, FollowsTheStackHeightWithTiesToEven)
{
    const std::vector<std::pair<std::int16_t, std::int32_t>> at22050{
        {0, 22050}, {1, 22160}, {2, 22270}, {6, 22712}, {14, 23594}};
    for (const auto& [height, hz] : at22050) {
        EXPECT_EQ(SoundBank::musicFrequency(22050.0, height), hz) << "height " << height;
    }
    const std::vector<std::pair<std::int16_t, std::int32_t>> at44100{
        {0, 44100}, {1, 44320}, {2, 44541}, {6, 45423}, {14, 47187}};
    for (const auto& [height, hz] : at44100) {
        EXPECT_EQ(SoundBank::musicFrequency(44100.0, height), hz) << "height " << height;
    }
}

TEST_F(SoundBankTest, SpeedChangeStopsSetsTheFrequencyAndResumesLooping)
{
    fill(0);
    const auto music = bank.slot(0);
    bank.stopMusic();  // paused, e.g. by the music switch
    ASSERT_EQ(audio.at(music).status, 0u);

    bank.SetBGMSpeed(6);
    EXPECT_EQ(audio.at(music).frequency, 22712);
    EXPECT_EQ(audio.at(music).status, StatusPlaying | StatusLooping);
    EXPECT_EQ(audio.at(music).stops, 2);
    EXPECT_TRUE(audio.isLive(music));  // same buffer: it resumes where it was

    bank.SetBGMSpeed(0);
    EXPECT_EQ(audio.at(music).frequency, 22050);
}

// --- The bound on the table ------------------------------------------------------------

TEST_F(SoundBankTest, TheTableNeverPassesTheLastSixteenBitSlotAndNewEffectsStillPlay)
{
    fill(SoundBank::MaxSlots - 1);
    ASSERT_EQ(bank.slotCount(), static_cast<std::size_t>(SoundBank::MaxSlots));
    bank.CleanUpSndBuffer();  // no spare slot past the last one
    EXPECT_EQ(bank.slotCount(), static_cast<std::size_t>(SoundBank::MaxSlots));

    // Most effects have finished; three are still sounding.
    const auto sounding = std::vector<sound::BufferHandle>{bank.slot(100), bank.slot(20000), bank.slot(32767)};
    for (std::size_t i = 1; i < bank.slotCount(); ++i) {
        audio.setStatus(bank.slot(i), 0);
    }
    for (const auto h : sounding) {
        audio.setStatus(h, StatusPlaying);
    }
    bank.PlaySound("PahTush.wav", 5, Speakers);

    ASSERT_EQ(bank.slotCount(), 5u);
    EXPECT_EQ(audio.at(bank.slot(0)).status, StatusPlaying | StatusLooping);
    for (std::size_t i = 0; i < sounding.size(); ++i) {
        EXPECT_EQ(bank.slot(i + 1), sounding[i]);  // kept in order, still sounding
    }
    EXPECT_EQ(audio.at(bank.slot(4)).file, "PahTush.wav");
    EXPECT_EQ(audio.at(bank.slot(4)).status, StatusPlaying);
    EXPECT_EQ(audio.liveCount(), 5);
}

TEST_F(SoundBankTest, WhenEverySlotStillSoundsTheNewestEffectGivesWay)
{
    fill(SoundBank::MaxSlots - 1);
    const auto newest = bank.slot(SoundBank::MaxSlots - 1);
    bank.PlaySound("PahTush.wav", 0, Speakers);
    ASSERT_EQ(bank.slotCount(), static_cast<std::size_t>(SoundBank::MaxSlots));
    EXPECT_FALSE(audio.isLive(newest));
    EXPECT_EQ(audio.at(bank.slot(SoundBank::MaxSlots - 1)).file, "PahTush.wav");
    EXPECT_EQ(audio.at(bank.slot(SoundBank::MaxSlots - 1)).status, StatusPlaying);
}

}  // namespace
}  // namespace quarrix::test
