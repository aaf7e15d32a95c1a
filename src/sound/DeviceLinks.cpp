#include "DeviceLinks.h"

namespace quarrix::sound {

namespace {
// A device that cannot be opened is tried again at most this often: a failed open costs a few
// milliseconds, too much to spend on every sound while a sound server is down.
constexpr std::chrono::seconds OpenInterval{1};
}  // namespace

std::vector<std::string> DeviceLinks::descriptions()
{
    names_ = OutputDevice::deviceNames();
    enumerated_ = true;
    // A device that failed before may have come back since: the next sound tries it at once.
    for (auto& [name, link] : links_) {
        if (link.device == nullptr) {
            link.nextOpen = {};
        }
    }
    return names_;
}

DeviceLinks::Link* DeviceLinks::linkFor(int index)
{
    if (!enumerated_) {
        descriptions();
    }
    if (index < 0 || static_cast<std::size_t>(index) >= names_.size()) {
        return nullptr;
    }
    const std::string& name = names_[static_cast<std::size_t>(index)];
    Link& link = links_[name];
    link.name = name;
    return &link;
}

OutputDevice* DeviceLinks::working(Link& link)
{
    if (link.device != nullptr && platform_.connected(*link.device)) {
        return link.device.get();
    }
    return reopen(link);
}

void DeviceLinks::checkAll()
{
    for (auto& [name, link] : links_) {
        if (link.everOpened) {
            working(link);
        }
    }
}

OutputDevice* DeviceLinks::reopen(Link& link)
{
    if (link.device != nullptr) {
        listener_.closing(link);
        link.device.reset();
    }
    const auto now = platform_.now();
    if (now < link.nextOpen) {
        return nullptr;
    }
    link.nextOpen = now + OpenInterval;
    link.device = platform_.open(link.name);
    if (link.device == nullptr) {
        return nullptr;
    }
    link.everOpened = true;
    listener_.opened(link);
    return link.device.get();
}

}  // namespace quarrix::sound
