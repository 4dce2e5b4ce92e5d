#include "KoordSys.h"

#include "Scales.h"
#include "State.h"
#include "framework/Graphics.h"
#include "framework/Numbers.h"

#include <cstdint>

namespace varnel {

using fw::Round;
using fw::Str;
using fw::ToInt32;

void SetFrameTilts(KoordSys& black, KoordSys& red) {
    if (viewpoint == 0) {
        black.sinPhiTime = -beta;
        black.sinPhiSpace = 0.0;
        red.sinPhiTime = 0.0;
        red.sinPhiSpace = -beta;
    } else {
        black.sinPhiTime = 0.0;
        black.sinPhiSpace = -beta;
        red.sinPhiTime = -beta;
        red.sinPhiSpace = 0.0;
    }
}

void KoordSys::Draw(fw::Graphics& g) const {
    const std::int32_t ox = originX, oy = originY;
    const std::int32_t W = canvasWidth, H = canvasHeight;

    const double s = sinPhiTime;
    const double c = Contraction(s); // the tilt's cosine
    const double t = s / c;

    g.PenWidth(2.0);
    g.ForeColor(cl);
    g.TextFont("Arial");
    g.TextSize(10.0);

    // Time axis: 2000 px through the origin, its upper end at (ox + d, oy - e).
    const std::int32_t d = ToInt32(Round(1000.0 * s));
    const std::int32_t e = ToInt32(Round(1000.0 * c));
    g.DrawLine(ox - d, oy + e, ox + d, oy - e);

    if (s == 0.0) {
        for (std::int32_t i = -10; i <= 10; ++i) {
            if (i == 0)
                continue;
            g.DrawLine(ox - 3, oy + gridUnit * i, ox + 3, oy + gridUnit * i);
            g.DrawString(Str(-i * timeFactor) + timeUnit + " ", ox + 6, oy + gridUnit * i, 0.0,
                         false);
        }
    }

    // "Time" where the axis meets the top edge, else the right or the left edge.
    std::int32_t x = ToInt32(ox + Round(oy * t) + 3.0);
    std::int32_t y = 8;
    if (x > W - 30) {
        x = W - 30;
        if (t != 0.0) {
            y = ToInt32(oy - Round((W - ox) / t) + 2.0);
            if (y < 8)
                y = 8;
        }
    }
    if (x < 2) {
        x = 2;
        y = ToInt32(oy + Round(ox / t) + 2.0);
        if (y < 8)
            y = 8;
    }
    g.DrawString("Time", x, y, 0.0, false);

    // Space axis.
    const double s2 = sinPhiSpace;
    const double c2 = Contraction(s2);
    const double t2 = s2 / c2;
    const std::int32_t F = ToInt32(Round(1000.0 * c2));
    const std::int32_t G = ToInt32(Round(1000.0 * s2));
    g.DrawLine(ox - F, oy - G, ox + F, oy + G);

    if (s2 == 0.0) {
        for (std::int32_t i = -10; i <= 10; ++i) {
            if (i == 0)
                continue;
            g.DrawLine(ox + gridUnit * i, oy - 3, ox + gridUnit * i, oy + 3);
            g.DrawString(Str(i * spaceFactor) + spaceUnit + " ", ox + gridUnit * i, oy + 14, 0.0,
                         false);
        }
    }

    // "Space" where the axis meets the right edge, else the bottom or the top edge.
    x = W - 30;
    y = ToInt32(oy + Round((W - ox) * t2) - 6.0);
    if (y > H - 1) {
        y = H - 1;
        x = ToInt32(ox + Round((H - oy) / t2));
        if (x > W - 32)
            x = W - 32;
    }
    if (y < 8) {
        y = 8;
        x = ToInt32(ox - Round(oy / t2));
        if (x > W - 30)
            x = W - 30;
    }
    g.DrawString("Space", x, y, 0.0, false);
}

} // namespace varnel
