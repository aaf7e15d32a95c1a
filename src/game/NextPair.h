#pragma once

#include "Gem.h"

namespace quarrix {

// The pair shown in the Next box, which the next deal makes the falling pair.
struct NextPair {
    Gem lower;           // becomes gem 0
    Gem upper;           // becomes gem 1
    bool dealt = false;  // false until the first game shows a pair here
};

}  // namespace quarrix
