#pragma once

#include "framework/Numbers.h"

#include <cmath>
#include <cstdint>
#include <numbers>

// The diagram's scales: pixels per grid unit, what a step of a slider means, and the few
// formulas of relativity that several drawings share.
namespace varnel {

// One grid unit on every axis of both frames, in canvas pixels.
inline constexpr std::int32_t gridUnit = 72;

// The time slider runs from 0 to 1000 pixels; its middle is the time 0.
inline constexpr std::int32_t timeSliderZero = 500;

// One step of a length slider is this many pixels of rod.
inline constexpr std::int32_t rodLengthStep = 24;

// A right angle, in radians.
inline constexpr double rightAngle = std::numbers::pi / 2;

// The speed of a knob position of the speed slider: 1..39 gives -0.95..0.95 in steps of 0.05.
inline double SpeedOfKnob(std::int32_t knob) { return static_cast<double>(knob) / 20.0 - 1.0; }

// The knob position nearest a typed speed strictly inside (-1, 1). It spreads the speeds over
// 19 knob steps on either side of 20 rather than 20, so that a speed near +-1 keeps the knob
// within 1..39.
inline std::int32_t KnobOfSpeed(double speed) {
    return fw::ToInt32(fw::Round(speed * 19.0 + 20.0));
}

// sqrt(1 - beta^2), the reciprocal of the Lorentz factor: a rod moving at beta is this much
// shorter, a clock moving at beta this much slower. It is also the cosine of an axis tilted by
// the angle whose sine is beta.
inline double Contraction(double beta) { return std::sqrt(1.0 - std::pow(beta, 2.0)); }

} // namespace varnel
