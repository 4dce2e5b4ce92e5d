#include "diagram/KoordSys.h"

#include "diagram/State.h"
#include "diagram_fixture.h"
#include "framework/Color.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnel::testing {
namespace {

constexpr fw::Color kBlack{0, 0, 0};
constexpr fw::Color kRed{255, 0, 0};

Pen AxisPen(fw::Color cl) { return {cl, 2.0, "Arial", 10.0}; }

struct Point {
    double x, y;
};
struct Segment {
    double x1, y1, x2, y2;
};

// The ticks of an upright time axis through (300, 400) at 10 ns per grid unit: from 720 px
// below the origin (-100 ns) up to 720 px above it (100 ns), each number followed by one blank.
void AppendTimeTicks(std::vector<Call>& calls, const Pen& pen) {
    for (int i = -10; i <= 10; ++i) {
        if (i == 0)
            continue;
        calls.push_back(Line(297, 400 + 72 * i, 303, 400 + 72 * i, pen));
        calls.push_back(Text(std::to_string(-10 * i) + " ns ", 306, 400 + 72 * i, pen));
    }
}

// The ticks of a level space axis through (300, 400) at 3 m per grid unit, -30 m to 30 m from
// left to right, the numbers 14 px below the axis.
void AppendSpaceTicks(std::vector<Call>& calls, const Pen& pen) {
    for (int i = -10; i <= 10; ++i) {
        if (i == 0)
            continue;
        calls.push_back(Line(300 + 72 * i, 397, 300 + 72 * i, 403, pen));
        calls.push_back(Text(std::to_string(3 * i) + " m ", 300 + 72 * i, 414, pen));
    }
}

using KoordSysTest = DiagramTest;

TEST_F(KoordSysTest, DrawsBothAxesTheirTicksAndLabelsInOrder) {
    struct Row {
        const char* name;
        double sinPhiTime;
        double sinPhiSpace;
        fw::Color cl;
        Segment timeAxis;
        bool timeTicks;
        Point timeLabel;
        Segment spaceAxis;
        bool spaceTicks;
        Point spaceLabel;
    };
    // At speed 0 the tilts are -beta = -0.0, which must count as upright and level.
    // clang-format off
    const Row rows[] = {
        {"black system at start", -0.6, 0.0, kBlack,
         {900, 1200, -300, -400}, false, {3, 8},
         {-700, 400, 1300, 400}, true, {606, 394}},
        {"red system at start", 0.0, -0.6, kRed,
         {300, 1400, 300, -600}, true, {303, 8},
         {-500, 1000, 1100, -200}, false, {606, 142}},
        {"black system at speed 0", -0.0, 0.0, kBlack,
         {300, 1400, 300, -600}, true, {303, 8},
         {-700, 400, 1300, 400}, true, {606, 394}},
        {"red system at speed 0", 0.0, -0.0, kRed,
         {300, 1400, 300, -600}, true, {303, 8},
         {-700, 400, 1300, 400}, true, {606, 394}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        KoordSys system;
        system.sinPhiTime = row.sinPhiTime;
        system.sinPhiSpace = row.sinPhiSpace;
        system.cl = row.cl;
        const Pen pen = AxisPen(row.cl);

        std::vector<Call> expected;
        const Segment& ta = row.timeAxis;
        expected.push_back(Line(ta.x1, ta.y1, ta.x2, ta.y2, pen));
        if (row.timeTicks)
            AppendTimeTicks(expected, pen);
        expected.push_back(Text("Time", row.timeLabel.x, row.timeLabel.y, pen));
        const Segment& sa = row.spaceAxis;
        expected.push_back(Line(sa.x1, sa.y1, sa.x2, sa.y2, pen));
        if (row.spaceTicks)
            AppendSpaceTicks(expected, pen);
        expected.push_back(Text("Space", row.spaceLabel.x, row.spaceLabel.y, pen));

        g.Clear();
        system.Draw(g);
        ExpectSameCalls(g.Calls(), expected);

        // Nothing is restored: the next drawing starts from the system's settings.
        EXPECT_EQ(g.ForeColor(), row.cl);
        EXPECT_EQ(g.PenWidth(), 2.0);
        EXPECT_EQ(g.TextFont(), "Arial");
        EXPECT_EQ(g.TextSize(), 10.0);
    }
}

TEST_F(KoordSysTest, TicksOnlyOnAnExactlyUprightOrLevelAxis) {
    struct Row {
        const char* name;
        double sinPhiTime;
        double sinPhiSpace;
        std::size_t timeTexts;
        std::size_t spaceTexts;
    };
    const Row rows[] = {
        {"negative zero tilts", -0.0, -0.0, 20, 20},
        {"time axis tilted by a tiny speed", -1e-12, 0.0, 0, 20},
        {"space axis tilted by a tiny speed", 0.0, 1e-12, 20, 0},
        {"both tilted", 0.3, -0.3, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        KoordSys system;
        system.sinPhiTime = row.sinPhiTime;
        system.sinPhiSpace = row.sinPhiSpace;
        g.Clear();
        system.Draw(g);
        std::size_t timeTexts = 0, spaceTexts = 0;
        for (const Call& call : g.CallsOf(Op::String)) {
            if (call.text.ends_with(" ns "))
                ++timeTexts;
            if (call.text.ends_with(" m "))
                ++spaceTexts;
        }
        EXPECT_EQ(timeTexts, row.timeTexts);
        EXPECT_EQ(spaceTexts, row.spaceTexts);
        // Each number has its tick: two axes plus one line per number.
        EXPECT_EQ(g.CallsOf(Op::Line).size(), 2 + row.timeTexts + row.spaceTexts);
    }
}

// The axis names follow the axes to the edge where they leave the canvas.
TEST_F(KoordSysTest, LabelsMoveToTheEdgeWhereTheAxisLeaves) {
    struct Row {
        const char* name;
        double sinPhiTime;
        double sinPhiSpace;
        std::int32_t ox, oy;
        Point time;
        Point space;
    };
    // clang-format off
    const Row rows[] = {
        // 26 px to the right edge at a slope of -0.7499999999999999 (the double tan of the
        // tilt -0.6) is -19.499999999999996 px, which rounds to -19, not to a half's -20.
        {"upright time axis near the right edge",
         0.0, -0.6, 610, 300, {606, 8}, {606, 275}},
        {"time axis leaning slightly left meets the right edge below the origin",
         -0.05, 0.0, 615, 100, {606, 521}, {606, 94}},
        {"time axis leaning right leaves by the right edge",
         0.6, 0.0, 600, 300, {606, 254}, {606, 294}},
        {"time axis leaning right, right edge above the top",
         0.6, 0.0, 310, 400, {606, 8}, {606, 394}},
        {"time axis leaving by the left edge",
         -0.6, 0.0, 200, 400, {2, 135}, {606, 394}},
        {"left edge above the top is clamped to the top",
         -0.6, 0.0, 298, 400, {2, 8}, {606, 394}},
        {"space axis falling to the right leaves by the bottom edge",
         0.0, 0.6, 300, 400, {303, 8}, {504, 552}},
        {"space axis rising steeply leaves by the top edge",
         0.0, -0.6, 300, 100, {303, 8}, {433, 8}},
        {"bottom edge near the right corner is clamped",
         0.0, 0.9, 600, 500, {603, 8}, {604, 552}},
        {"top edge near the right corner is clamped",
         0.0, -0.9, 600, 30, {603, 8}, {606, 8}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        originX = row.ox;
        originY = row.oy;
        KoordSys system;
        system.sinPhiTime = row.sinPhiTime;
        system.sinPhiSpace = row.sinPhiSpace;
        system.cl = kRed;
        g.Clear();
        system.Draw(g);

        std::vector<Call> labels;
        for (const Call& call : g.CallsOf(Op::String))
            if (call.text == "Time" || call.text == "Space")
                labels.push_back(call);
        ExpectSameCalls(labels, {Text("Time", row.time.x, row.time.y, AxisPen(kRed)),
                                 Text("Space", row.space.x, row.space.y, AxisPen(kRed))});
    }
}

} // namespace
} // namespace varnel::testing
