#pragma once

namespace quarrix {

// Uniform values u with 0 <= u < 1 in single precision.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

}  // namespace quarrix
