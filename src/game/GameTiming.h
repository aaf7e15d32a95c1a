#pragma once

namespace quarrix {

// Each removed or settled gem is shown on its own, this far apart.
inline constexpr int AnimationStepMs = 75;

}  // namespace quarrix
