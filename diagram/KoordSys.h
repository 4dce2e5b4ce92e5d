#pragma once

#include "framework/Color.h"

namespace fw {
class Graphics;
}

namespace varnel {

// One observer's frame of reference: a time axis and a space axis through the diagram's
// origin, in the observer's colour, with unit ticks and numbers on an axis only while it is
// upright (time) or level (space), and the axis names where the axes leave the canvas.
class KoordSys {
public:
    double sinPhiTime = 0.0;  // sine of the time axis' tilt from the vertical; > 0 leans right
    double sinPhiSpace = 0.0; // sine of the space axis' tilt from the horizontal; > 0 falls right
    fw::Color cl{};

    // Leaves g's colour, pen width 2, font "Arial" and size 10 in force.
    void Draw(fw::Graphics& g) const;
};

// Tilts the two frames for the viewpoint and beta: the viewpoint's frame gets a tilted time
// axis and a level space axis, the other frame an upright time axis and a tilted space axis.
void SetFrameTilts(KoordSys& black, KoordSys& red);

} // namespace varnel
