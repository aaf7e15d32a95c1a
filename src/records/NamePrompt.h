#pragma once

#include <string>

namespace quarrix::records {

// Asks the player for a name; an empty text when cancelled. Texts are UTF-8.
class NamePrompt {
public:
    virtual ~NamePrompt() = default;
    virtual std::string askName(const std::string& prompt) = 0;
};

}  // namespace quarrix::records
