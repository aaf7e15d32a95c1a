#pragma once

namespace quarrix {

// Removal and settling are shown step by step: a blocking pause, a change, an immediate repaint.
class AnimationInterface {
public:
    virtual ~AnimationInterface() = default;
    // Blocks for the given time; no input or timer event is handled meanwhile.
    virtual void pause(int milliseconds) = 0;
    // Draws the current state now, during a blocking resolution.
    virtual void repaintNow() = 0;
};

}  // namespace quarrix
