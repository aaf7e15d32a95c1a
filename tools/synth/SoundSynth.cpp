// Makes the game's default sounds: the collision knock, the destruction burst and the
// background music loop. Usage: quarrix-synth OUTPUT_FOLDER
#include "Synth.h"
#include "Track.h"
#include "sound/DefaultSounds.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

using quarrix::synth::Synth;
using quarrix::synth::Track;

constexpr int Rate = 22050;
constexpr double Beat = 0.5;  // 120 beats a minute
constexpr int BeatsPerBar = 4;
constexpr int Bars = 12;  // 24 seconds: whole bars, three times round the progression

struct Chord {
    int root;  // bass note
    std::array<int, 3> tones;
};

// A minor, F, C, G.
constexpr std::array<Chord, 4> Progression{{
    {45, {57, 60, 64}},
    {41, {53, 57, 60}},
    {48, {55, 60, 64}},
    {43, {55, 59, 62}},
}};

struct Note {
    double beat;
    double length;
    int pitch;
};

constexpr std::array<Note, 15> Melody{{
    {0.0, 1.5, 76},
    {1.5, 0.5, 74},
    {2.0, 1.0, 72},
    {3.0, 1.0, 69},
    {4.0, 2.0, 72},
    {6.0, 1.0, 69},
    {7.0, 1.0, 72},
    {8.0, 1.5, 79},
    {9.5, 0.5, 76},
    {10.0, 2.0, 72},
    {12.0, 1.0, 74},
    {13.0, 1.0, 71},
    {14.0, 1.0, 67},
    {15.0, 0.5, 69},
    {15.5, 0.5, 71},
}};

void barOfMusic(Synth& synth, int bar, bool withMelody)
{
    const Chord& chord = Progression[static_cast<std::size_t>(bar % 4)];
    const double start = bar * BeatsPerBar * Beat;
    for (std::size_t i = 0; i < chord.tones.size(); ++i) {
        synth.pad(start, BeatsPerBar * Beat, chord.tones[i], 0.05f, -0.3f + 0.3f * static_cast<float>(i));
    }
    synth.bass(start, 1.5 * Beat, chord.root, 0.22f);
    synth.bass(start + 2 * Beat, 1.5 * Beat, chord.root, 0.18f);
    // Eighth-note arpeggio over the chord, an octave up on the way back.
    const std::array<int, 8> steps{0, 1, 2, 1, 0, 1, 2, 1};
    for (int e = 0; e < 8; ++e) {
        const int tone = chord.tones[static_cast<std::size_t>(steps[static_cast<std::size_t>(e)])] + (e >= 4 ? 12 : 0);
        synth.pluck(start + e * Beat / 2, Beat / 2, tone, 0.07f, e % 2 == 0 ? -0.4f : 0.4f);
    }
    for (int b = 0; b < BeatsPerBar; ++b) {
        if (b % 2 == 0) {
            synth.kick(start + b * Beat, 0.35f);
        }
        synth.hat(start + (b + 0.5) * Beat, 0.05f, 0.3f);
    }
    if (!withMelody) {
        return;
    }
    const int phraseBar = bar - bar % 4;  // the melody repeats every four bars
    const double phraseStart = phraseBar * BeatsPerBar * Beat;
    for (const Note& n : Melody) {
        const int noteBar = static_cast<int>(n.beat) / BeatsPerBar;
        if (noteBar == bar % 4) {
            synth.pluck(phraseStart + n.beat * Beat, n.length * Beat * 0.9, n.pitch, 0.14f, 0.0f);
        }
    }
}

bool makeMusic(const std::string& path)
{
    const auto frames = static_cast<std::size_t>(Bars * BeatsPerBar * Beat * Rate);
    Track track(Rate, frames, true);
    Synth synth(track);
    for (int bar = 0; bar < Bars; ++bar) {
        barOfMusic(synth, bar, bar >= 4);
    }
    // Peaks leave headroom: a landing plays three collision sounds at once over the music.
    return track.write(path, 0.35f, true);
}

bool makeKnock(const std::string& path)
{
    Track track(Rate, static_cast<std::size_t>(0.13 * Rate), false);
    Synth synth(track);
    synth.knock(0.0, 1.0f);
    return track.write(path, 0.25f, false);
}

bool makeBurst(const std::string& path)
{
    Track track(Rate, static_cast<std::size_t>(0.31 * Rate), false);
    Synth synth(track);
    synth.burst(0.0, 1.0f);
    return track.write(path, 0.3f, false);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const bool ok = makeKnock(folder + quarrix::sound::CollisionSound) &&
                    makeBurst(folder + quarrix::sound::DestructionSound) &&
                    makeMusic(folder + quarrix::sound::MusicSound);
    if (!ok) {
        std::fprintf(stderr, "could not write the sound files into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
