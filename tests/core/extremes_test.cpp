#include "diagram/KoordSys.h"
#include "diagram/State.h"
#include "diagram/Thing.h"
#include "diagram_fixture.h"
#include "framework/RecordingGraphics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace varnel::testing {
namespace {

// Speeds as close to light as a typed value can come. Near them the sines' cosines are about
// 1e-8, so label positions and the shadow's drop points run far beyond the int32 range and
// must be converted in a defined way.
const double kSpeeds[] = {
    1.0 - 1e-15,    -(1.0 - 1e-15),     1.0 - 1e-13,
    -(1.0 - 1e-13), 0.9999999999999999, -0.9999999999999999, // the largest double below 1
};

struct Origin {
    std::int32_t x, y;
};
// The corners of the band the origin can be dragged in.
const Origin kOrigins[] = {{21, 21}, {615, 532}};

// Both systems and both objects, the objects extending to `position`, with trace and shadow:
// the whole diagram apart from its circles and light cone. The tilts are those the diagram
// gives the two systems for the viewpoint and speed.
std::vector<Call> DrawAll(std::int32_t position, std::int32_t length) {
    KoordSys black, red;
    black.cl = fw::RGB(0, 0, 0);
    red.cl = fw::RGB(255, 0, 0);
    SetFrameTilts(black, red);
    Thing blackThing, redThing;
    for (Thing* thing : {&blackThing, &redThing}) {
        thing->isVisible = thing->hasTrace = thing->hasShadow = true;
        thing->position = position;
        thing->length = length;
    }
    blackThing.index = 0;
    blackThing.cl = fw::RGB(100, 100, 100);
    redThing.index = 1;
    redThing.cl = fw::RGB(200, 0, 0);

    fw::RecordingGraphics g;
    black.Draw(g);
    red.Draw(g);
    blackThing.Draw(g);
    redThing.Draw(g);
    return g.Calls();
}

bool Finite(const Call& call) {
    return std::isfinite(call.a) && std::isfinite(call.b) && std::isfinite(call.c) &&
           std::isfinite(call.d);
}

// The same calls apart from their coordinates.
bool SameShape(const Call& a, const Call& b) {
    return a.op == b.op && a.text == b.text && a.color == b.color && a.penWidth == b.penWidth &&
           a.font == b.font && a.size == b.size;
}

struct Setting {
    double speed;
    std::int32_t time;
    std::int32_t length;
    Origin origin;
    std::int32_t units;
    std::int32_t viewpoint;
    std::int32_t position;
};

std::vector<Setting> AllSettings() {
    std::vector<Setting> settings;
    for (double speed : kSpeeds)
        for (std::int32_t time : {-500, 500})
            for (std::int32_t length : {24, 288})
                for (const Origin& origin : kOrigins)
                    for (std::int32_t units = 0; units <= 9; ++units)
                        for (std::int32_t view : {0, 1})
                            for (std::int32_t position : {0, 1})
                                settings.push_back(
                                    {speed, time, length, origin, units, view, position});
    return settings;
}

std::string Describe(const Setting& s) {
    std::ostringstream out;
    out.precision(17);
    out << "beta " << s.speed << ", T " << s.time << ", L " << s.length << ", origin ("
        << s.origin.x << ", " << s.origin.y << "), units " << s.units << ", viewpoint "
        << s.viewpoint << ", position " << s.position;
    return out.str();
}

// Every combination of speed, time, length, origin, unit setting, viewpoint and position
// must draw the same calls as at an ordinary speed of the same sign, at finite coordinates.
TEST(Extremes, DiagramNearTheSpeedOfLightDrawsCompletelyAtFiniteCoordinates) {
    std::vector<std::string> failures;
    for (const Setting& s : AllSettings()) {
        SetModuleStartValues();
        canvasWidth = 636;
        canvasHeight = 553;
        unitSetting = s.units;
        SetUnits();
        originX = s.origin.x;
        originY = s.origin.y;
        timeValue = s.time;
        viewpoint = s.viewpoint;

        beta = std::copysign(0.6, s.speed);
        const std::vector<Call> ordinary = DrawAll(s.position, s.length);
        beta = s.speed;
        const std::vector<Call> extreme = DrawAll(s.position, s.length);

        std::ostringstream fault;
        if (extreme.size() != ordinary.size())
            fault << extreme.size() << " calls instead of " << ordinary.size();
        for (std::size_t i = 0; i < extreme.size() && i < ordinary.size(); ++i)
            if (!Finite(extreme[i]) || !SameShape(extreme[i], ordinary[i])) {
                fault << "call " << i << " is " << extreme[i] << ", at the ordinary speed "
                      << ordinary[i];
                break;
            }
        if (!fault.str().empty())
            failures.push_back(Describe(s) + ": " + fault.str());
    }
    EXPECT_TRUE(failures.empty()) << failures.size() << " drawings fail, the first:\n"
                                  << (failures.empty() ? "" : failures.front());
    SetModuleStartValues();
}

} // namespace
} // namespace varnel::testing
