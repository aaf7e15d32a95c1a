#include "Device.h"

#include <AL/alext.h>

#include <algorithm>

namespace quarrix::sound {

namespace {
// A device that cannot be opened is tried again at most this often: a failed open costs a few
// milliseconds, too much to spend on every sound while a sound server is down.
constexpr std::chrono::seconds OpenInterval{1};
// OpenAL Soft gives 256 sources per context; two are kept back for anything else.
constexpr std::size_t MaxVoices = 127;
constexpr std::size_t MaxUploads = 32;

}  // namespace

bool DevicePlatform::connected(ALCdevice* device)
{
    // Without ALC_EXT_disconnect the query fails and leaves the value: such a device stays.
    ALCint value = ALC_TRUE;
    alcGetIntegerv(device, ALC_CONNECTED, 1, &value);
    return value != ALC_FALSE;
}

std::vector<std::string> Device::names()
{
    const bool all = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT") != ALC_FALSE;
    std::vector<std::string> names;
    // One name after another, each ended by a NUL, the list by an empty name.
    for (const ALCchar* list = alcGetString(nullptr, all ? ALC_ALL_DEVICES_SPECIFIER : ALC_DEVICE_SPECIFIER);
         list != nullptr && *list != '\0'; list += names.back().size() + 1) {
        names.emplace_back(list);
    }
    return names;
}

bool Device::ready()
{
    if (device_ != nullptr && platform_.connected(device_)) {
        makeCurrent();
        return true;
    }
    close();  // a lost device goes with everything on it, to be opened again below
    return open();
}

void Device::retryNow()
{
    if (device_ == nullptr) {
        nextOpen_ = {};
    }
}

bool Device::open()
{
    const auto now = platform_.now();
    if (now < nextOpen_) {
        return false;
    }
    nextOpen_ = now + OpenInterval;
    device_ = platform_.open(name_);
    context_ = device_ == nullptr ? nullptr : alcCreateContext(device_, nullptr);
    if (context_ == nullptr && device_ != nullptr) {
        alcCloseDevice(device_);
        device_ = nullptr;
    }
    if (device_ == nullptr) {
        return false;
    }
    makeCurrent();
    everOpened_ = true;
    justOpened_ = true;
    return true;
}

void Device::makeCurrent() const
{
    if (alcGetCurrentContext() != context_) {
        alcMakeContextCurrent(context_);
    }
}

// Nothing of the device may outlive it: its voices and buffers go with it.
void Device::close()
{
    if (device_ == nullptr) {
        return;
    }
    makeCurrent();
    for (Voice& v : voices_) {
        v.destroy();
    }
    voices_.clear();
    owners_.clear();
    uploads_.clear();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
    device_ = nullptr;
}

const SoundBuffers* Device::upload(const std::shared_ptr<const DecodedSound>& decoded)
{
    if (uploads_.size() >= MaxUploads) {
        // A changed file leaves its old upload behind; it goes once no buffer holds the old samples.
        std::erase_if(uploads_, [](const auto& item) { return item.second.decoded.expired(); });
    }
    const auto found = uploads_.try_emplace(decoded->version, decoded).first;
    if (found->second.buffers.empty()) {
        uploads_.erase(found);
        return nullptr;
    }
    return &found->second.buffers;
}

Voice* Device::voiceOf(BufferHandle owner)
{
    const std::size_t index = indexOf(owner);
    return index < voices_.size() ? &voices_[index] : nullptr;
}

Voice* Device::takeVoice(const SoundBuffers& sound, BufferHandle owner, BufferHandle& cut)
{
    std::size_t index = freeVoice();
    if (index == voices_.size()) {
        for (std::size_t i = 0; i < voices_.size(); ++i) {
            if (!voices_[i].sounding()) {
                free(i);  // finished: free for the next sound
            }
        }
        index = freeVoice();
    }
    if (index == voices_.size()) {
        index = oldestVoice();
        cut = index < voices_.size() ? owners_[index] : NoBuffer;
    }
    if (index == voices_.size()) {
        return nullptr;
    }
    owners_[index] = owner;
    voices_[index].bind(sound);
    return &voices_[index];
}

void Device::release(BufferHandle owner)
{
    const std::size_t index = indexOf(owner);
    if (index < voices_.size()) {
        makeCurrent();
        free(index);
    }
}

std::size_t Device::voicesInUse() const
{
    return voices_.size() - static_cast<std::size_t>(std::ranges::count(owners_, NoBuffer));
}

std::size_t Device::indexOf(BufferHandle owner) const
{
    return static_cast<std::size_t>(std::ranges::find(owners_, owner) - owners_.begin());
}

void Device::free(std::size_t index)
{
    voices_[index].unbind();
    owners_[index] = NoBuffer;
}

std::size_t Device::freeVoice()
{
    const std::size_t index = indexOf(NoBuffer);
    if (index < voices_.size() || voices_.size() >= MaxVoices) {
        return index;
    }
    Voice fresh;
    if (!fresh.create()) {
        return voices_.size();
    }
    voices_.push_back(fresh);
    owners_.push_back(NoBuffer);
    return index;
}

// Every voice sounds: the one-shot started longest ago gives way, as a mixer's voice manager
// would do. Looping sounds are cut only when nothing else is left.
std::size_t Device::oldestVoice() const
{
    const std::size_t none = voices_.size();
    const auto older = [&](std::size_t best, std::size_t i) {
        return best == none || voices_[i].started() < voices_[best].started();
    };
    std::size_t oneShot = none;
    std::size_t any = none;
    for (std::size_t i = 0; i < voices_.size(); ++i) {
        if (older(any, i)) {
            any = i;
        }
        if (older(oneShot, i) && !voices_[i].looping()) {  // asks the mixer only of a voice older than the best
            oneShot = i;
        }
    }
    return oneShot != none ? oneShot : any;
}

}  // namespace quarrix::sound
