#pragma once

#include "diagram/Scales.h"
#include "framework/Color.h"

#include <cstdint>

namespace fw {
class Graphics;
}

namespace varnel {

// One observer's object: a rod at rest in its owner's frame, drawn at the viewpoint's current
// time, with on request its trace (the worldlines of its ends) and its shadow (its length as
// the frame that does not own it measures it, laid onto that frame's space axis).
class Thing {
public:
    std::int32_t length = rodStartLength; // canvas pixels
    std::int32_t position = 2; // 0: extends to the left of its reference end, 1: to the right
    bool isVisible = false;
    bool hasShadow = false;
    bool hasTrace = false;
    fw::Color cl{};
    std::int32_t index = 0; // owner frame: 0 black, 1 red

    // Leaves g's colour at cl and its pen width at 2 after a shadow, else 1. An invisible
    // object, or one whose position is neither 0 nor 1, draws nothing and leaves g as it was.
    void Draw(fw::Graphics& g) const;
};

} // namespace varnel
