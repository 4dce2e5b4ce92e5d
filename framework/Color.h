#pragma once

#include <cstdint>

namespace fw {

// An opaque colour: red, green and blue, 0 to 255 each.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color RGB(int red, int green, int blue) {
    auto clamp = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return Color{clamp(red), clamp(green), clamp(blue)};
}

} // namespace fw
