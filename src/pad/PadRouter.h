#pragma once

#include "PadEvent.h"
#include "PadTarget.h"

namespace quarrix::pad {

// Turns a pad press into the key, menu command or dialog answer it stands for.
class PadRouter {
public:
    static void route(PadSwitch press, PadTarget& target);
};

}  // namespace quarrix::pad
