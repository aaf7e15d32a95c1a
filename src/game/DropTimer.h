#pragma once

namespace quarrix {

// The periodic drop timer: its interval is the speed, and it is on only while a game runs.
class DropTimer {
public:
    virtual ~DropTimer() = default;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual int interval() const = 0;  // milliseconds
    virtual void setInterval(int milliseconds) = 0;
};

}  // namespace quarrix
