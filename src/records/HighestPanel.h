#pragma once

#include <string>

namespace quarrix::records {

// The main window's Highest panel: the tops of the three tables, shown as stored.
class HighestPanel {
public:
    virtual ~HighestPanel() = default;
    virtual void showHighest(const std::string& score, const std::string& combo, const std::string& chain) = 0;
};

}  // namespace quarrix::records
