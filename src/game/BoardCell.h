#pragma once

#include "Gem.h"

#include <cstdint>

namespace quarrix {

// One cell of the well. Only `Filled` says whether a gem is there: shape and colour
// keep the last gem's values after it leaves, and mean nothing until a gem arrives.
struct BoardCell {
    bool Filled = false;
    ShapeCode GemShape = ShapeCode::None;
    std::int16_t ShapeIndex = 0;
    ColorValue GemColor = 0;

    Gem gem() const { return Gem{GemShape, GemColor}; }
};

}  // namespace quarrix
