// The audio layer on OpenAL Soft's wave-file writer: what comes out is read back and measured.
#include "WaveFiles.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <thread>

namespace quarrix::test {
namespace {

using namespace std::chrono_literals;
using sound::NoBuffer;
using sound::OpenAlAudio;
using sound::SoundBank;

constexpr float Silence = 1e-4f;

struct Span {
    std::size_t from = 0;
    std::size_t to = 0;  // one past the last sounding frame
};

float loudest(const Recording& r, std::size_t frame)
{
    return std::max(std::abs(r.at(frame, 0)), std::abs(r.at(frame, 1)));
}

// The stretches of sound separated by at least `gap` seconds of silence.
std::vector<Span> soundingSpans(const Recording& r, double gap = 0.1)
{
    std::vector<Span> spans;
    const auto gapFrames = static_cast<std::size_t>(gap * r.rate);
    for (std::size_t f = 0; f < r.frames(); ++f) {
        if (loudest(r, f) <= Silence) {
            continue;
        }
        if (spans.empty() || f - spans.back().to > gapFrames) {
            spans.push_back({f, f + 1});
        }
        spans.back().to = f + 1;
    }
    return spans;
}

double rms(const Recording& r, int channel, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t f = from; f < to; ++f) {
        sum += static_cast<double>(r.at(f, channel)) * r.at(f, channel);
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

double peak(const Recording& r, std::size_t from, std::size_t to)
{
    double p = 0.0;
    for (std::size_t f = from; f < to; ++f) {
        p = std::max(p, static_cast<double>(loudest(r, f)));
    }
    return p;
}

// Frequency from the rising zero crossings of the left channel, interpolated between samples.
double frequency(const Recording& r, std::size_t from, std::size_t to)
{
    double first = -1.0;
    double last = -1.0;
    int crossings = 0;
    for (std::size_t f = from + 1; f < to; ++f) {
        const double a = r.at(f - 1, 0);
        const double b = r.at(f, 0);
        if (a < 0.0 && b >= 0.0) {
            const double at = static_cast<double>(f - 1) + a / (a - b);
            first = first < 0.0 ? at : first;
            last = at;
            ++crossings;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * r.rate / (last - first);
}

double dB(double ratio)
{
    return 20.0 * std::log10(ratio);
}

class WaveWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* conf = std::getenv("ALSOFT_CONF");
        ASSERT_NE(conf, nullptr) << "run through ctest, which points OpenAL Soft at the wave writer";
        output = QUARRIX_WAVE_FILE;
        dir = scratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    std::string file(const std::string& name) const { return (dir / name).string(); }

    // Runs `script` on a freshly opened wave-writer device and returns what it wrote.
    Recording record(const std::function<void(OpenAlAudio&, SoundBank&)>& script)
    {
        {
            OpenAlAudio audio;
            SoundBank bank(audio);
            const auto names = audio.deviceDescriptions();
            EXPECT_FALSE(names.empty());
            script(audio, bank);
        }
        return readRecording(output);
    }

    std::string output;
    std::filesystem::path dir;
};

// --- Pan --------------------------------------------------------------------------------

struct PanCase {
    std::int16_t position;
    double leftOverRightDb;
};

void PrintTo(const PanCase& c, std::ostream* os)
{
    *os << "position " << c.position << ", left " << c.leftOverRightDb << " dB over right";
}

class PanTest : public WaveWriterTest, public ::testing::WithParamInterface<PanCase> {};

TEST_P(PanTest, FarChannelIsAttenuatedByThePanAndTheNearOneKeepsFullLevel)
{
    const std::string tone = file("tone.wav");
    ASSERT_TRUE(writeTone(tone, 22050, 0.25, 1000.0, 0.5));
    const Recording r = record([&](OpenAlAudio&, SoundBank& bank) {
        bank.PlaySound(tone, GetParam().position, 0);
        std::this_thread::sleep_for(400ms);
    });
    ASSERT_EQ(r.channels, 2);
    const auto spans = soundingSpans(r);
    ASSERT_EQ(spans.size(), 1u);
    const std::size_t margin = static_cast<std::size_t>(r.rate) / 50;
    ASSERT_GT(spans[0].to - spans[0].from, 4 * margin);
    const double left = rms(r, 0, spans[0].from + margin, spans[0].to - margin);
    const double right = rms(r, 1, spans[0].from + margin, spans[0].to - margin);

    EXPECT_NEAR(dB(left / right), GetParam().leftOverRightDb, 0.5);
    EXPECT_NEAR(dB(std::max(left, right) / (0.5 / std::sqrt(2.0))), 0.0, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Columns, PanTest,
                         ::testing::Values(PanCase{0, 10.0}, PanCase{1, 6.0}, PanCase{3, -2.0}, PanCase{5, -10.0},
                                           PanCase{-1, 0.0}),
                         [](const auto& info) {
                             const int p = info.param.position;
                             return p < 0 ? std::string("Centre") : "Column" + std::to_string(p);
                         });

// --- Music speed and stop/play -----------------------------------------------------------

TEST_F(WaveWriterTest, MusicAtHeightFourteenPlaysSevenPerCentFaster)
{
    const std::string music = file("music.wav");
    ASSERT_TRUE(writeTone(music, 22050, 2.0, 441.0, 0.5));  // whole cycles: loops cleanly
    const Recording r = record([&](OpenAlAudio&, SoundBank& bank) {
        bank.startMusic(music, 0);
        std::this_thread::sleep_for(400ms);
        bank.SetBGMSpeed(14);
        std::this_thread::sleep_for(500ms);
    });
    const auto spans = soundingSpans(r);
    ASSERT_EQ(spans.size(), 1u);  // the speed change leaves no gap
    const auto ms = [&](int n) { return static_cast<std::size_t>(r.rate) * static_cast<std::size_t>(n) / 1000; };
    const double before = frequency(r, spans[0].from + ms(50), spans[0].from + ms(300));
    const double after = frequency(r, spans[0].to - ms(400), spans[0].to - ms(50));

    EXPECT_NEAR(before, 441.0, 0.5);
    EXPECT_NEAR(after / before, 23594.0 / 22050.0, 0.002);
}

TEST_F(WaveWriterTest, StopThenPlayResumesWhereItStopped)
{
    const std::string ramp = file("ramp.wav");
    // The level rises steadily through the file, so the level heard tells the position.
    ASSERT_TRUE(writeMono(ramp, 22050, 1.5, [](double t) { return (0.05 + 0.6 * t) * std::sin(TwoPi * 441.0 * t); }));
    std::optional<std::uint32_t> stopped;
    std::optional<std::uint32_t> resumed;
    const Recording r = record([&](OpenAlAudio& audio, SoundBank&) {
        const auto h = audio.createBuffer(ramp, 0);
        ASSERT_NE(h, NoBuffer);
        audio.play(h, false);
        std::this_thread::sleep_for(400ms);
        audio.stop(h);
        stopped = audio.status(h);
        std::this_thread::sleep_for(300ms);
        audio.play(h, false);
        resumed = audio.status(h);
        std::this_thread::sleep_for(250ms);
    });
    EXPECT_EQ(stopped, 0u);
    EXPECT_EQ(resumed, sound::StatusPlaying);
    const auto spans = soundingSpans(r);
    ASSERT_EQ(spans.size(), 2u);
    const std::size_t window = static_cast<std::size_t>(r.rate) * 30 / 1000;
    const double endOfFirst = peak(r, spans[0].to - window, spans[0].to);
    const double startOfSecond = peak(r, spans[1].from, spans[1].from + window);

    EXPECT_GT(endOfFirst, 0.2);  // well past the opening level of 0.05
    EXPECT_NEAR(startOfSecond / endOfFirst, 1.0, 0.1);
}

// --- Files that cannot be played ---------------------------------------------------------

TEST_F(WaveWriterTest, MissingEmptyDamagedAndNonWaveFilesAreSilent)
{
    const std::string good = file("good.wav");
    ASSERT_TRUE(writeTone(good, 22050, 0.2, 500.0, 0.5));
    writeBytes(file("empty.wav"), "");
    writeBytes(file("garbage.wav"), "this is not a sound at all, just some words in a file");
    writeBytes(file("header-cut.wav"), readBytes(good).substr(0, 30));
    ASSERT_TRUE(writeMono(file("aiff.wav"), 22050, 0.2, [](double t) { return 0.5 * std::sin(TwoPi * 500 * t); },
                          SF_FORMAT_AIFF | SF_FORMAT_PCM_16));
    std::filesystem::create_directories(dir / "folder.wav");
    const std::vector<std::string> bad{file("missing.wav"), file("empty.wav"),  file("garbage.wav"),
                                       file("header-cut.wav"), file("aiff.wav"), file("folder.wav")};

    const Recording r = record([&](OpenAlAudio& audio, SoundBank& bank) {
        for (const auto& name : bad) {
            EXPECT_EQ(audio.createBuffer(name, 0), NoBuffer) << name;
            bank.PlaySound(name, 0, 0);
        }
        EXPECT_FALSE(audio.play(NoBuffer, false));
        EXPECT_FALSE(audio.status(NoBuffer).has_value());
        bank.CleanUpSndBuffer();
        bank.SetBGMSpeed(3);
        std::this_thread::sleep_for(200ms);
    });
    ASSERT_GT(r.frames(), 0u);
    EXPECT_EQ(peak(r, 0, r.frames()), 0.0);
}

TEST_F(WaveWriterTest, AWaveCutShortInItsDataPlaysWhatIsThere)
{
    const std::string good = file("good.wav");
    ASSERT_TRUE(writeTone(good, 22050, 0.5, 500.0, 0.5));
    const std::string bytes = readBytes(good);
    writeBytes(file("cut.wav"), bytes.substr(0, bytes.size() / 2));
    const Recording r = record([&](OpenAlAudio&, SoundBank& bank) {
        bank.PlaySound(file("cut.wav"), -1, 0);
        std::this_thread::sleep_for(450ms);
    });
    const auto spans = soundingSpans(r);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_NEAR(static_cast<double>(spans[0].to - spans[0].from) / r.rate, 0.25, 0.02);
}

// --- Caching, voices and handles ---------------------------------------------------------

TEST_F(WaveWriterTest, AChangedFileIsPickedUpByTheNextBuffer)
{
    const std::string name = file("changing.wav");
    OpenAlAudio audio;
    ASSERT_TRUE(writeTone(name, 22050, 0.1, 500.0, 0.5));
    const auto first = audio.createBuffer(name, 0);
    ASSERT_TRUE(writeTone(name, 44100, 0.1, 500.0, 0.5));
    const auto second = audio.createBuffer(name, 0);
    EXPECT_EQ(audio.frequency(first), 22050);
    EXPECT_EQ(audio.frequency(second), 44100);

    writeBytes(name, "gone bad");
    EXPECT_EQ(audio.createBuffer(name, 0), NoBuffer);
    std::filesystem::remove(name);
    EXPECT_EQ(audio.createBuffer(name, 0), NoBuffer);
    ASSERT_TRUE(writeTone(name, 11025, 0.1, 500.0, 0.5));
    EXPECT_EQ(audio.frequency(audio.createBuffer(name, 0)), 11025);
    EXPECT_TRUE(audio.play(first, false));  // the older decode still plays
}

TEST_F(WaveWriterTest, AFinishedOneShotGivesItsVoiceBackAndCanPlayAgain)
{
    const std::string blip = file("blip.wav");
    ASSERT_TRUE(writeTone(blip, 22050, 0.05, 800.0, 0.3));
    OpenAlAudio audio;
    const auto h = audio.createBuffer(blip, 0);
    ASSERT_TRUE(audio.play(h, false));
    EXPECT_EQ(audio.status(h), sound::StatusPlaying);
    EXPECT_EQ(audio.voicesInUse(), 1u);
    std::this_thread::sleep_for(250ms);
    EXPECT_EQ(audio.status(h), 0u);
    EXPECT_EQ(audio.voicesInUse(), 0u);
    EXPECT_TRUE(audio.play(h, false));
    EXPECT_EQ(audio.status(h), sound::StatusPlaying);
}

TEST_F(WaveWriterTest, WhenEveryVoiceIsBusyTheOldestOneShotIsTerminated)
{
    const std::string tone = file("long.wav");
    ASSERT_TRUE(writeTone(tone, 22050, 2.0, 300.0, 0.01));
    OpenAlAudio audio;
    const auto music = audio.createBuffer(tone, 0);
    ASSERT_TRUE(audio.play(music, true));
    std::vector<sound::BufferHandle> effects;
    for (int i = 0; i < 200; ++i) {
        effects.push_back(audio.createBuffer(tone, 0));
        EXPECT_TRUE(audio.play(effects.back(), false)) << i;
    }
    EXPECT_LE(audio.voicesInUse(), 127u);
    EXPECT_TRUE(audio.anyTerminated());
    EXPECT_EQ(audio.status(effects.front()), sound::StatusTerminated);
    EXPECT_EQ(audio.status(effects.back()), sound::StatusPlaying);
    EXPECT_EQ(audio.status(music), sound::StatusPlaying | sound::StatusLooping);
    for (const auto h : effects) {
        if (audio.status(h) == sound::StatusTerminated) {
            audio.release(h);
        }
    }
    EXPECT_FALSE(audio.anyTerminated());
}

TEST_F(WaveWriterTest, DeadHandlesBadDevicesAndOutOfRangeValuesFail)
{
    const std::string tone = file("tone.wav");
    ASSERT_TRUE(writeTone(tone, 22050, 0.1, 500.0, 0.5));
    OpenAlAudio audio;
    const auto count = static_cast<int>(audio.deviceDescriptions().size());
    EXPECT_EQ(audio.createBuffer(tone, -1), NoBuffer);
    EXPECT_EQ(audio.createBuffer(tone, count), NoBuffer);

    const auto h = audio.createBuffer(tone, 0);
    ASSERT_NE(h, NoBuffer);
    EXPECT_EQ(audio.status(h), 0u);
    EXPECT_FALSE(audio.setPan(h, -10001));
    EXPECT_TRUE(audio.setPan(h, 10000));
    EXPECT_FALSE(audio.setFrequency(h, 99));
    EXPECT_TRUE(audio.setFrequency(h, 30000));
    EXPECT_TRUE(audio.setFrequency(h, 0));  // back to the file's own rate
    EXPECT_EQ(audio.frequency(h), 22050);

    audio.release(h);
    EXPECT_FALSE(audio.status(h).has_value());
    EXPECT_FALSE(audio.play(h, false));
    EXPECT_FALSE(audio.frequency(h).has_value());
    const auto reused = audio.createBuffer(tone, 0);
    EXPECT_NE(reused, h);  // a recycled record does not revive an old handle
    EXPECT_FALSE(audio.stop(h));
    EXPECT_TRUE(audio.stop(reused));
}

}  // namespace
}  // namespace quarrix::test
