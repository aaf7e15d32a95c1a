#pragma once

#include "DevicePlatform.h"
#include "OutputDevice.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quarrix::sound {

// The output devices by name, each opened when first needed and kept open. A device that goes
// away (its sound server restarts, a headset is unplugged) is closed and opened again by name,
// at most once a second while that fails.
class DeviceLinks {
public:
    // One output device by name, whether it is open at the moment or not.
    struct Link {
        std::string name;
        std::unique_ptr<OutputDevice> device;  // null while it cannot be opened
        DevicePlatform::Clock::time_point nextOpen{};
        bool everOpened = false;  // a device never opened is left to the next sound
    };

    // Told when a lost device is about to be closed and when a device has been opened.
    class Listener {
    public:
        virtual void closing(Link& link) = 0;
        virtual void opened(Link& link) = 0;

    protected:
        ~Listener() = default;
    };

    DeviceLinks(DevicePlatform& platform, Listener& listener) : platform_(platform), listener_(listener) {}

    // Reads the device list anew; a device that failed before is tried at once by the next sound.
    std::vector<std::string> descriptions();
    // The link of device `index` of the list, or null for an index off the list.
    Link* linkFor(int index);
    // The link's device if it works; a lost one is freed and opened again when the pace allows.
    OutputDevice* working(Link& link);
    // Mends every device that was opened and has gone away since, as far as the pace allows.
    void checkAll();
    // True once some device has been opened: it is open, or lost and waiting to open again.
    bool holdsDevice() const
    {
        return std::ranges::any_of(links_, [](const auto& entry) { return entry.second.everOpened; });
    }
    void closeAll() { links_.clear(); }

private:
    OutputDevice* reopen(Link& link);

    DevicePlatform& platform_;
    Listener& listener_;
    std::vector<std::string> names_;
    bool enumerated_ = false;
    std::map<std::string, Link> links_;  // a map, so a link never moves
};

}  // namespace quarrix::sound
