#pragma once

#include <string>

namespace quarrix::records {

// Shows the player a message and waits until it is closed.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace quarrix::records
