#include "Voice.h"

#include <AL/alext.h>

#include <cmath>

namespace quarrix::sound {

bool Voice::create()
{
    alGetError();
    alGenSources(2, sources_.data());
    if (alGetError() != AL_NO_ERROR) {
        return false;
    }
    const bool direct = alIsExtensionPresent("AL_SOFT_direct_channels") != AL_FALSE;
    for (std::size_t channel = 0; channel < 2; ++channel) {
        const ALuint s = sources_[channel];
        // Each source carries one output channel straight through; gains make the pan.
        alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
        alSourcef(s, AL_ROLLOFF_FACTOR, 0.0f);
        alSource3f(s, AL_POSITION, channel == 0 ? -1.0f : 1.0f, 0.0f, 0.0f);
        if (direct) {
            alSourcei(s, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
        }
    }
    return true;
}

void Voice::bind(const SoundBuffers& sound)
{
    alSourceStopv(2, sources_.data());
    for (std::size_t channel = 0; channel < 2; ++channel) {
        alSourcei(sources_[channel], AL_BUFFER, static_cast<ALint>(sound.channel(channel)));
    }
}

void Voice::unbind()
{
    alSourceStopv(2, sources_.data());
    for (const ALuint s : sources_) {
        alSourcei(s, AL_BUFFER, 0);
    }
}

void Voice::play(bool looping, std::uint64_t order)
{
    started_ = order;
    for (const ALuint s : sources_) {
        alSourcei(s, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    }
    alSourcePlayv(2, sources_.data());
}

void Voice::pause()
{
    if (state() == AL_PLAYING) {
        alSourcePausev(2, sources_.data());
    }
}

ALint Voice::state() const
{
    ALint state = AL_STOPPED;
    alGetSourcei(sources_[0], AL_SOURCE_STATE, &state);
    return state;
}

bool Voice::looping() const
{
    ALint looping = AL_FALSE;
    alGetSourcei(sources_[0], AL_LOOPING, &looping);
    return looping != AL_FALSE;
}

void Voice::setPan(std::int32_t pan)
{
    const auto far = static_cast<float>(std::pow(10.0, -std::abs(pan) / 2000.0));
    alSourcef(sources_[0], AL_GAIN, pan < 0 ? 1.0f : far);
    alSourcef(sources_[1], AL_GAIN, pan > 0 ? 1.0f : far);
}

void Voice::setPitch(float pitch)
{
    for (const ALuint s : sources_) {
        alSourcef(s, AL_PITCH, pitch);
    }
}

}  // namespace quarrix::sound
