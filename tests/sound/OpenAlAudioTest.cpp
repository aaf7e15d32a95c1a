#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"
#include "soundcheck/WaveFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

using namespace quarrix::soundcheck;
using namespace quarrix::sound;

// The stretches [first, second) of sound separated by more than 0.1 s of silence.
static std::vector<std::pair<std::size_t, std::size_t>> soundingSpans(const Recording& r)
{
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (std::size_t f = 0; f < r.frames(); ++f) {
        if (peak(r, 0, f, f + 1) <= 1e-4F) {
            continue;
        }
        if (spans.empty() || f - spans.back().second > static_cast<std::size_t>(r.rate / 10)) {
            spans.emplace_back(f, f);
        }
        spans.back().second = f + 1;
    }
    return spans;
}

static std::string file(const std::string& name)
{
    return (std::filesystem::path(QUARRIX_WAVE_FILE).parent_path() / name).string();  // one per build tree
}

// Runs `script` on a freshly opened device and reads back what OpenAL Soft's wave-file writer made of it.
static Recording record(const std::function<void(OpenAlAudio&, SoundBank&)>& script)
{
    std::filesystem::remove(QUARRIX_WAVE_FILE);  // without ctest's choice of the writer nothing comes back
    auto audio = std::make_unique<OpenAlAudio>();
    script(*audio, *std::make_unique<SoundBank>(*audio));  // the bank goes at the end of the statement
    audio.reset();                                         // closing the device finishes the file
    return readRecording(QUARRIX_WAVE_FILE);
}

TEST(WaveWriter, PanAttenuatesOnlyTheFarChannel)
{
    ASSERT_TRUE(writeMono(file("tone.wav"), 22050, 0.25, [](double t) { return 0.5 * std::sin(TwoPi * 1000.0 * t); }));
    const std::tuple<std::int16_t, double, double> cases[] = {{0, 0, -10}, {3, -2, 0}, {5, -10, 0}, {-1, 0, 0}};
    for (const auto& [position, leftDb, rightDb] : cases) {
        const Recording r = record([&](OpenAlAudio&, SoundBank& bank) {
            bank.PlaySound(file("tone.wav"), position, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
        });
        EXPECT_NEAR(20 * std::log10(peak(r, 0, 0, r.frames()) / 0.5), leftDb, 0.5) << "left, position " << position;
        EXPECT_NEAR(20 * std::log10(peak(r, 1, 0, r.frames()) / 0.5), rightDb, 0.5) << "right, position " << position;
    }
}

// The music's level rises steadily through the file, so the level heard tells the position.
TEST(WaveWriter, MusicResumesWhereItStoppedAndSpeedsUpWithoutAGap)
{
    ASSERT_TRUE(writeMono(file("music.wav"), 22050, 2.0,
                          [](double t) { return (0.05 + 0.4 * t) * std::sin(TwoPi * 441.0 * t); }));
    const Recording r = record([&](OpenAlAudio& audio, SoundBank& bank) {
        bank.startMusic(file("music.wav"), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        audio.stop(bank.slot(0));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        audio.play(bank.slot(0), true);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        bank.SetBGMSpeed(14);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    });
    const auto spans = soundingSpans(r);
    ASSERT_EQ(spans.size(), 2u);  // the speed change leaves no gap
    const auto ms = [&](int n) { return static_cast<std::size_t>(r.rate * n / 1000); };
    const double endOfFirst = peak(r, 0, spans[0].second - ms(30), spans[0].second);  // well past 0.05
    EXPECT_NEAR(peak(r, 0, spans[1].first, spans[1].first + ms(30)) / endOfFirst, 1.0, 0.1) << endOfFirst;
    const double before = frequency(r, spans[0].first + ms(50), spans[0].first + ms(300));
    EXPECT_NEAR(frequency(r, spans[1].second - ms(400), spans[1].second - ms(50)) / before, 23594.0 / 22050.0, 0.002);
}

// A file changed on disk is decoded again, not served from the cache.
TEST(WaveWriter, ChangedFilesAreReadAgain)
{
    OpenAlAudio audio;
    for (const int rate : {22050, 11025}) {
        ASSERT_TRUE(writeMono(file("changing.wav"), rate, 0.1, [](double t) { return 0.3 * std::sin(3000 * t); }));
        EXPECT_EQ(audio.frequency(audio.createBuffer(file("changing.wav"), 0)), rate);
    }
}
