// The audio layer on OpenAL Soft's wave-file writer: what comes out is read back and measured.
#include "WaveFiles.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace std::chrono_literals;
using namespace quarrix::test;
using namespace quarrix::sound;

// The stretches [first, second) of sound separated by more than 0.1 s of silence.
static std::vector<std::pair<std::size_t, std::size_t>> soundingSpans(const Recording& r)
{
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (std::size_t f = 0; f < r.frames(); ++f) {
        if (std::max(std::abs(r.at(f, 0)), std::abs(r.at(f, 1))) > 1e-4f) {
            if (spans.empty() || f - spans.back().second > static_cast<std::size_t>(r.rate / 10)) {
                spans.emplace_back(f, f);
            }
            spans.back().second = f + 1;
        }
    }
    return spans;
}

static double rms(const Recording& r, int channel, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t f = from; f < to; ++f) {
        sum += static_cast<double>(r.at(f, channel)) * r.at(f, channel);
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

// Frequency of the left channel from the first and last of its rising zero crossings.
static double frequency(const Recording& r, std::size_t from, std::size_t to)
{
    std::size_t first = 0, last = 0, count = 0;
    for (std::size_t f = from + 1; f < to; ++f) {
        if (r.at(f - 1, 0) < 0.0f && r.at(f, 0) >= 0.0f) {
            first = count++ == 0 ? f : first;
            last = f;
        }
    }
    return count < 2 ? 0.0 : (static_cast<double>(count) - 1.0) * r.rate / static_cast<double>(last - first);
}

static std::string file(const std::string& name)
{
    const auto dir = std::filesystem::temp_directory_path() / ("quarrix-sound-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

// Runs `script` on a freshly opened wave-writer device and returns what it wrote.
template <typename Script>
static Recording record(Script script)
{
    EXPECT_NE(std::getenv("ALSOFT_CONF"), nullptr) << "run through ctest, which selects the wave writer";
    {
        OpenAlAudio audio;
        SoundBank bank(audio);
        script(audio, bank);
    }
    return readRecording(QUARRIX_WAVE_FILE);
}

TEST(WaveWriter, FarChannelIsAttenuatedByThePanAndTheNearOneKeepsFullLevel)
{
    const std::string tone = file("tone.wav");
    ASSERT_TRUE(writeMono(tone, 22050, 0.25, [](double t) { return 0.5 * std::sin(TwoPi * 1000.0 * t); }));
    const auto dB = [](double ratio) { return 20.0 * std::log10(ratio); };
    for (const auto& [position, leftOverRightDb] :
         {std::pair<std::int16_t, double>{0, 10.0}, {3, -2.0}, {5, -10.0}, {-1, 0.0}}) {
        const Recording r = record([&](OpenAlAudio&, SoundBank& bank) {
            bank.PlaySound(tone, position, 0);
            std::this_thread::sleep_for(400ms);
        });
        const auto spans = soundingSpans(r);
        const std::size_t margin = static_cast<std::size_t>(r.rate) / 50;  // skip the edges of the tone
        ASSERT_TRUE(spans.size() == 1 && spans[0].second - spans[0].first > 4 * margin) << "position " << position;
        const double left = rms(r, 0, spans[0].first + margin, spans[0].second - margin);
        const double right = rms(r, 1, spans[0].first + margin, spans[0].second - margin);
        EXPECT_NEAR(dB(left / right), leftOverRightDb, 0.5) << "position " << position;
        EXPECT_NEAR(dB(std::max(left, right) / (0.5 / std::sqrt(2.0))), 0.0, 0.5) << "near channel, " << position;
    }
}

// The music's level rises steadily through the file, so the level heard tells the position.
TEST(WaveWriter, MusicResumesWhereItStoppedAndAtHeightFourteenPlaysSevenPerCentFasterWithoutAGap)
{
    const std::string music = file("music.wav");
    ASSERT_TRUE(writeMono(music, 22050, 2.0, [](double t) { return (0.05 + 0.4 * t) * std::sin(TwoPi * 441.0 * t); }));
    const Recording r = record([&](OpenAlAudio& audio, SoundBank& bank) {
        bank.startMusic(music, 0);
        std::this_thread::sleep_for(400ms);
        audio.stop(bank.slot(0));
        EXPECT_EQ(audio.status(bank.slot(0)), 0u);
        std::this_thread::sleep_for(300ms);
        audio.play(bank.slot(0), true);
        std::this_thread::sleep_for(100ms);
        bank.SetBGMSpeed(14);
        std::this_thread::sleep_for(500ms);
    });
    const auto spans = soundingSpans(r);
    ASSERT_EQ(spans.size(), 2u);  // the speed change leaves no gap
    const auto ms = [&](int n) { return static_cast<std::size_t>(r.rate * n / 1000); };
    const double endOfFirst = rms(r, 0, spans[0].second - ms(30), spans[0].second);
    EXPECT_GT(endOfFirst, 0.1);  // well past the opening level
    EXPECT_NEAR(rms(r, 0, spans[1].first, spans[1].first + ms(30)) / endOfFirst, 1.0, 0.1);
    const double before = frequency(r, spans[0].first + ms(50), spans[0].first + ms(300));
    EXPECT_NEAR(before, 441.0, 0.5);
    EXPECT_NEAR(frequency(r, spans[1].second - ms(400), spans[1].second - ms(50)) / before, 23594.0 / 22050.0, 0.002);
}

// Bad files are silent; a file changed on disk is decoded again, not served from the cache.
TEST(WaveWriter, BadFilesAreSilentAndChangedFilesAreReadAgain)
{
    std::ofstream(file("empty.wav"));
    std::ofstream(file("garbage.wav")) << "RIFF and then nothing that a wave file should hold";
    std::filesystem::create_directories(file("folder.wav"));
    const Recording r = record([&](OpenAlAudio& audio, SoundBank& bank) {
        for (const char* name : {"missing.wav", "empty.wav", "garbage.wav", "folder.wav"}) {
            EXPECT_EQ(audio.createBuffer(file(name), 0), NoBuffer) << name;
            bank.PlaySound(file(name), 0, 0);
        }
        bank.CleanUpSndBuffer();
        bank.SetBGMSpeed(3);
        std::this_thread::sleep_for(200ms);
        for (const int rate : {22050, 11025}) {
            ASSERT_TRUE(writeMono(file("changing.wav"), rate, 0.1, [](double t) { return 0.3 * std::sin(3000 * t); }));
            EXPECT_EQ(audio.frequency(audio.createBuffer(file("changing.wav"), 0)), rate);
        }
    });
    ASSERT_GT(r.frames(), 0U);
    EXPECT_TRUE(std::ranges::all_of(r.samples, [](float v) { return v == 0.0F; }));
}
