#include "OutputDevice.h"

#include <AL/alext.h>

namespace quarrix::sound {

namespace {
// OpenAL Soft gives 256 sources per context; two are kept back for anything else.
constexpr std::size_t MaxVoices = 127;
constexpr std::size_t MaxUploads = 32;

std::vector<std::int16_t> oneChannel(const DecodedSound& decoded, int channel)
{
    const std::size_t frames = decoded.frames();
    const auto from = static_cast<std::size_t>(decoded.channels == 2 ? channel : 0);
    const auto step = static_cast<std::size_t>(decoded.channels);
    std::vector<std::int16_t> out(frames * 2, 0);
    for (std::size_t f = 0; f < frames; ++f) {
        out[f * 2 + static_cast<std::size_t>(channel)] = decoded.samples[f * step + from];
    }
    return out;
}

std::vector<std::string> splitDeviceList(const ALCchar* list)
{
    std::vector<std::string> names;
    while (list != nullptr && *list != '\0') {
        names.emplace_back(list);
        list += names.back().size() + 1;
    }
    return names;
}
}  // namespace

DeviceSound::~DeviceSound()
{
    if (alcGetCurrentContext() != context) {
        alcMakeContextCurrent(context);
    }
    alDeleteBuffers(2, buffers.data());
}

std::vector<std::string> OutputDevice::deviceNames()
{
    const bool all = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT") != ALC_FALSE;
    return splitDeviceList(alcGetString(nullptr, all ? ALC_ALL_DEVICES_SPECIFIER : ALC_DEVICE_SPECIFIER));
}

std::unique_ptr<OutputDevice> OutputDevice::open(const std::string& name)
{
    ALCdevice* device = alcOpenDevice(name.c_str());
    if (device == nullptr) {
        return nullptr;
    }
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (context == nullptr) {
        alcCloseDevice(device);
        return nullptr;
    }
    return std::unique_ptr<OutputDevice>(new OutputDevice(device, context));
}

OutputDevice::OutputDevice(ALCdevice* device, ALCcontext* context)
    : device_(device), context_(context), canDisconnect_(alcIsExtensionPresent(device, "ALC_EXT_disconnect") != 0)
{}

OutputDevice::~OutputDevice()
{
    makeCurrent();
    for (Voice& v : voices_) {
        alSourceStopv(2, v.sources.data());
        alDeleteSources(2, v.sources.data());
    }
    uploads_.clear();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
}

bool OutputDevice::connected()
{
    if (connected_ && canDisconnect_) {
        ALCint value = ALC_TRUE;
        alcGetIntegerv(device_, ALC_CONNECTED, 1, &value);
        connected_ = value != ALC_FALSE;
    }
    return connected_;
}

void OutputDevice::makeCurrent() const
{
    if (alcGetCurrentContext() != context_) {
        alcMakeContextCurrent(context_);
    }
}

std::shared_ptr<const DeviceSound> OutputDevice::upload(const std::shared_ptr<const DecodedSound>& decoded)
{
    const auto found = uploads_.find(decoded->version);
    if (found != uploads_.end()) {
        return found->second;
    }
    if (uploads_.size() >= MaxUploads) {
        // A changed file leaves its old upload behind; it goes once nothing plays it.
        std::erase_if(uploads_, [](const auto& item) { return item.second.use_count() <= 1; });
    }
    makeCurrent();
    alGetError();
    std::array<ALuint, 2> ids{};
    alGenBuffers(2, ids.data());
    if (alGetError() != AL_NO_ERROR) {
        return nullptr;
    }
    auto sound = std::make_shared<const DeviceSound>(context_, ids, decoded->rate);
    for (int channel = 0; channel < 2; ++channel) {
        const auto data = oneChannel(*decoded, channel);
        alBufferData(ids[static_cast<std::size_t>(channel)], AL_FORMAT_STEREO16, data.data(),
                     static_cast<ALsizei>(data.size() * sizeof(std::int16_t)), decoded->rate);
    }
    if (alGetError() != AL_NO_ERROR) {
        return nullptr;
    }
    uploads_[decoded->version] = sound;
    return sound;
}

int OutputDevice::acquireVoice()
{
    if (free_.empty() && !addVoice()) {
        return -1;
    }
    const int index = free_.back();
    free_.pop_back();
    voices_[static_cast<std::size_t>(index)].busy = true;
    return index;
}

void OutputDevice::releaseVoice(int index)
{
    Voice& v = voice(index);
    makeCurrent();
    alSourceStopv(2, v.sources.data());
    for (const ALuint s : v.sources) {
        alSourcei(s, AL_BUFFER, 0);
    }
    v.owner = NoBuffer;
    v.busy = false;
    free_.push_back(index);
}

VoiceState OutputDevice::state(int index) const
{
    ALint state = AL_STOPPED;
    alGetSourcei(voices_[static_cast<std::size_t>(index)].sources[0], AL_SOURCE_STATE, &state);
    switch (state) {
    case AL_INITIAL: return VoiceState::Initial;
    case AL_PLAYING: return VoiceState::Playing;
    case AL_PAUSED: return VoiceState::Paused;
    default: return VoiceState::Stopped;
    }
}

bool OutputDevice::sounding(int index) const
{
    const VoiceState s = state(index);
    return s == VoiceState::Playing || s == VoiceState::Paused;
}

void OutputDevice::bind(int index, const DeviceSound& sound)
{
    const Voice& v = voice(index);
    for (std::size_t channel = 0; channel < 2; ++channel) {
        alSourcei(v.sources[channel], AL_BUFFER, static_cast<ALint>(sound.buffers[channel]));
    }
}

void OutputDevice::play(int index, bool looping)
{
    Voice& v = voice(index);
    v.looping = looping;
    v.started = ++plays_;
    for (const ALuint s : v.sources) {
        alSourcei(s, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    }
    alSourcePlayv(2, v.sources.data());
}

void OutputDevice::pause(int index)
{
    Voice& v = voice(index);
    if (state(index) == VoiceState::Playing) {
        alSourcePausev(2, v.sources.data());  // pausing keeps the position, unlike alSourceStop
    }
}

void OutputDevice::setGains(int index, ChannelGains g)
{
    const Voice& v = voice(index);
    alSourcef(v.sources[0], AL_GAIN, g.left);
    alSourcef(v.sources[1], AL_GAIN, g.right);
}

void OutputDevice::setPitch(int index, float pitch)
{
    for (const ALuint s : voice(index).sources) {
        alSourcef(s, AL_PITCH, pitch);
    }
}

bool OutputDevice::addVoice()
{
    if (voices_.size() >= MaxVoices) {
        return false;
    }
    makeCurrent();
    alGetError();
    Voice v;
    alGenSources(2, v.sources.data());
    if (alGetError() != AL_NO_ERROR) {
        return false;
    }
    const bool direct = alIsExtensionPresent("AL_SOFT_direct_channels") != AL_FALSE;
    for (std::size_t channel = 0; channel < 2; ++channel) {
        const ALuint s = v.sources[channel];
        // Each source carries one output channel straight through; gains make the pan.
        alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
        alSourcef(s, AL_ROLLOFF_FACTOR, 0.0f);
        alSource3f(s, AL_POSITION, channel == 0 ? -1.0f : 1.0f, 0.0f, 0.0f);
        if (direct) {
            alSourcei(s, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
        }
    }
    voices_.push_back(v);
    free_.push_back(static_cast<int>(voices_.size()) - 1);
    return true;
}

}  // namespace quarrix::sound
