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

// The time slider runs from 0 to 2 * timeSliderZero pixels; its middle is the time 0.
inline constexpr std::int32_t timeSliderZero = 500;

// The time at start: one grid unit after the origin, so the time display reads one time unit.
inline constexpr std::int32_t startTime = gridUnit;

// One step of a length slider is this many pixels of rod.
inline constexpr std::int32_t rodLengthStep = 24;

// Each rod's length at start: two grid units.
inline constexpr std::int32_t rodStartLength = 2 * gridUnit;

// A right angle, in radians.
inline constexpr double rightAngle = std::numbers::pi / 2;

// The speed slider's knob: at speedKnobAtRest the observers are at rest to each other, and
// each step is 1 / speedKnobAtRest of c. Its range stops one step short of c on either side:
// speedKnobFirst..speedKnobLast, 1..39 for -0.95..0.95.
inline constexpr std::int32_t speedKnobAtRest = 20;
inline constexpr std::int32_t speedKnobFirst = 1;
inline constexpr std::int32_t speedKnobLast = 2 * speedKnobAtRest - 1;

// The speed of a knob position of the speed slider.
inline double SpeedOfKnob(std::int32_t knob) {
    return static_cast<double>(knob) / speedKnobAtRest - 1.0;
}

// The knob position of the opposite speed, the other observer's view of the same motion.
inline constexpr std::int32_t KnobOfOppositeSpeed(std::int32_t knob) {
    return 2 * speedKnobAtRest - knob;
}

// The knob position for a typed speed strictly inside (-1, 1).
//
// This is not the inverse of SpeedOfKnob, and it is meant not to be. It spreads the open
// range (-1, 1) over speedKnobAtRest - 1 steps on either side of the middle, where a knob step
// is 1 / speedKnobAtRest of c, so that every typed speed lands inside the slider's range: a
// typed 0.99 goes to 39, where the exact inverse would ask for 40. The price is that the knob
// shows a typed speed only roughly: 0.6 puts it on 31 (Round(31.4)), which the slider itself
// reads as 0.55, not on 32. That is harmless, since the typed number is the speed: it is kept
// as typed, and the knob is moved while the speed controls' guard holds, so its own handler
// does not turn it back into a speed. Keep the factor: with speedKnobAtRest in its place, a
// typed speed of 0.98 or more (or -0.98 or less) would ask for a knob beyond the range.
inline std::int32_t KnobOfSpeed(double speed) {
    return fw::ToInt32(fw::Round(speed * (speedKnobAtRest - 1) + speedKnobAtRest));
}

// sqrt(1 - beta^2), the reciprocal of the Lorentz factor: a rod moving at beta is this much
// shorter, a clock moving at beta this much slower. It is also the cosine of an axis tilted by
// the angle whose sine is beta.
inline double Contraction(double beta) { return std::sqrt(1.0 - std::pow(beta, 2.0)); }

} // namespace varnel
