#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace quarrix::synth {

namespace {
constexpr double TwoPi = 6.283185307179586;

// Linear rise over `attack`, then the given decay shape, then a linear fall to 0 over `release`.
double envelope(double t, double attack, double hold, double release)
{
    if (t < attack) {
        return t / attack;
    }
    if (t < hold) {
        return 1.0;
    }
    return std::max(0.0, 1.0 - (t - hold) / release);
}
}  // namespace

float Synth::noise()
{
    seed_ ^= seed_ << 13;
    seed_ ^= seed_ >> 17;
    seed_ ^= seed_ << 5;
    return static_cast<float>(seed_) / 2147483648.0f - 1.0f;
}

std::size_t Synth::frame(double seconds) const
{
    return static_cast<std::size_t>(std::lround(seconds * track_.rate()));
}

double Synth::hertz(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

void Synth::pluck(double at, double length, int note, float level, float pan)
{
    const double f = hertz(note);
    const double release = 0.08;
    const std::size_t start = frame(at);
    const std::size_t count = frame(length + release);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / track_.rate();
        const double env = envelope(t, 0.006, length, release) * std::exp(-t / 0.45);
        // The upper partials fade faster, like a struck string.
        const double tone = std::sin(TwoPi * f * t) + 0.35 * std::exp(-t / 0.12) * std::sin(TwoPi * 2 * f * t) +
                            0.12 * std::exp(-t / 0.06) * std::sin(TwoPi * 3 * f * t);
        track_.add(start + i, static_cast<float>(level * env * tone), pan);
    }
}

void Synth::bass(double at, double length, int note, float level)
{
    const double f = hertz(note);
    const double release = 0.06;
    const std::size_t start = frame(at);
    const std::size_t count = frame(length + release);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / track_.rate();
        const double env = envelope(t, 0.012, length, release) * (0.6 + 0.4 * std::exp(-t / 0.2));
        const double tone = std::sin(TwoPi * f * t) + 0.25 * std::sin(TwoPi * 2 * f * t);
        track_.add(start + i, static_cast<float>(level * env * tone), 0.0f);
    }
}

void Synth::pad(double at, double length, int note, float level, float pan)
{
    const double f = hertz(note);
    const double attack = 0.35;
    const double release = 0.5;
    const std::size_t start = frame(at);
    const std::size_t count = frame(length + release);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / track_.rate();
        const double env = envelope(t, attack, length, release);
        // Two slightly detuned voices give a slow, gentle beating.
        const double tone =
            std::sin(TwoPi * f * 0.9985 * t) + std::sin(TwoPi * f * 1.0015 * t) + 0.2 * std::sin(TwoPi * 2 * f * t);
        track_.add(start + i, static_cast<float>(level * 0.5 * env * tone), pan);
    }
}

void Synth::kick(double at, float level)
{
    const std::size_t start = frame(at);
    const std::size_t count = frame(0.25);
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / track_.rate();
        const double f = 48.0 + 80.0 * std::exp(-t / 0.03);
        phase += TwoPi * f / track_.rate();
        const double env = envelope(t, 0.002, 0.0, 0.25) * std::exp(-t / 0.09);
        track_.add(start + i, static_cast<float>(level * env * std::sin(phase)), 0.0f);
    }
}

void Synth::hat(double at, float level, float pan)
{
    const std::size_t start = frame(at);
    const std::size_t count = frame(0.06);
    float previous = 0.0f;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / track_.rate();
        const float n = noise();
        const float bright = n - previous;  // a first difference keeps only the hiss
        previous = n;
        const double env = envelope(t, 0.001, 0.0, 0.06) * std::exp(-t / 0.015);
        track_.add(start + i, static_cast<float>(level * env * bright), pan);
    }
}

void Synth::knock(double at, float level)
{
    const std::size_t start = frame(at);
    const std::size_t count = frame(0.12);
    float smooth = 0.0f;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / track_.rate();
        smooth += 0.3f * (noise() - smooth);  // dull the tap so the knock stays soft
        const double env = envelope(t, 0.0015, 0.0, 0.12);
        const double body = 0.8 * std::exp(-t / 0.028) * std::sin(TwoPi * 520.0 * t) +
                            0.35 * std::exp(-t / 0.014) * std::sin(TwoPi * 1290.0 * t) +
                            0.5 * std::exp(-t / 0.003) * smooth;
        track_.add(start + i, static_cast<float>(level * env * body), 0.0f);
    }
}

void Synth::burst(double at, float level)
{
    const std::size_t start = frame(at);
    const std::size_t count = frame(0.3);
    float previous = 0.0f;
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / track_.rate();
        const float n = noise();
        const float crisp = n - 0.6f * previous;
        previous = n;
        const double f = 300.0 + 600.0 * std::exp(-t / 0.05);
        phase += TwoPi * f / track_.rate();
        const double env = envelope(t, 0.002, 0.0, 0.3);
        const double body = 0.9 * std::exp(-t / 0.045) * crisp + 0.45 * std::exp(-t / 0.07) * std::sin(phase);
        track_.add(start + i, static_cast<float>(level * env * body), 0.0f);
    }
}

}  // namespace quarrix::synth
