#include "diagram/Thing.h"

#include "diagram/State.h"
#include "diagram_fixture.h"
#include "framework/Color.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace varnel::testing {
namespace {

// The colours the two objects get when the main window opens.
constexpr fw::Color kBlackObject{100, 100, 100};
constexpr fw::Color kRedObject{200, 0, 0};

struct Drawn {
    double x1, y1, x2, y2;
    double width;
};

class ThingTest : public DiagramTest {
protected:
    // The black object (index 0) or the red one (index 1), visible.
    static Thing Object(std::int32_t index, std::int32_t position, std::int32_t length, bool trace,
                        bool shadow) {
        Thing thing;
        thing.index = index;
        thing.cl = index == 0 ? kBlackObject : kRedObject;
        thing.position = position;
        thing.length = length;
        thing.isVisible = true;
        thing.hasTrace = trace;
        thing.hasShadow = shadow;
        return thing;
    }

    // The object draws no text and sets no font: its lines keep what the surface had.
    static std::vector<Call> Expected(const std::vector<Drawn>& lines, fw::Color cl) {
        std::vector<Call> calls;
        for (const Drawn& l : lines)
            calls.push_back(Line(l.x1, l.y1, l.x2, l.y2, {cl, l.width, kLeftFont, kLeftSize}));
        return calls;
    }
};

// Each list is the rod (bold), the trace, the two drop lines and the rod as the other frame
// sees it (thin), and the shadow (bold), in the order drawn. The black object is the
// viewpoint's own while black is the viewpoint, the red object the other frame's.
TEST_F(ThingTest, DrawsRodTraceAndShadowInOrder) {
    struct Row {
        const char* name;
        std::int32_t viewpoint;
        std::int32_t index;
        double beta;
        std::int32_t time;
        std::int32_t length;
        std::int32_t position;
        bool trace;
        bool shadow;
        std::vector<Drawn> lines;
    };
    // clang-format off
    const Row rows[] = {
        // Start state, length 144, trace and shadow on.
        {"own object extending left", 0, 0, 0.6, 72, 144, 0, true, true,
         {{113, 342, 257, 342, 2}, {-487, -458, 713, 1142, 1}, {165, 411, 165, 501, 1},
          {257, 342, 257, 432, 1}, {257, 342, 165, 411, 1}, {165, 501, 257, 432, 2}}},
        {"own object extending right", 0, 0, 0.6, 72, 144, 1, true, true,
         {{257, 342, 401, 342, 2}, {-199, -458, 1001, 1142, 1}, {257, 342, 257, 432, 1},
          {349, 273, 349, 363, 1}, {349, 273, 257, 342, 1}, {257, 432, 349, 363, 2}}},
        {"other frame's object extending left", 0, 1, 0.6, 72, 144, 0, true, true,
         {{185, 428, 300, 342, 2}, {185, 0, 185, 553, 1}, {185, 342, 228, 400, 1},
          {300, 342, 343, 400, 1}, {300, 342, 185, 342, 1}, {228, 400, 343, 400, 2}}},
        {"other frame's object extending right", 0, 1, 0.6, 72, 144, 1, true, true,
         {{300, 342, 415, 256, 2}, {300, 0, 300, 553, 1}, {415, 0, 415, 553, 1},
          {300, 342, 343, 400, 1}, {415, 342, 458, 400, 1}, {415, 342, 300, 342, 1},
          {343, 400, 458, 400, 2}}},

        // Which branch draws follows the viewpoint, not the object.
        {"red object while red is the viewpoint", 1, 1, 0.6, 72, 144, 0, true, true,
         {{113, 342, 257, 342, 2}, {-487, -458, 713, 1142, 1}, {165, 411, 165, 501, 1},
          {257, 342, 257, 432, 1}, {257, 342, 165, 411, 1}, {165, 501, 257, 432, 2}}},
        {"black object while red is the viewpoint", 1, 0, 0.6, 72, 144, 1, true, true,
         {{300, 342, 415, 256, 2}, {300, 0, 300, 553, 1}, {415, 0, 415, 553, 1},
          {300, 342, 343, 400, 1}, {415, 342, 458, 400, 1}, {415, 342, 300, 342, 1},
          {343, 400, 458, 400, 2}}},

        // Trace and shadow each on their own.
        {"own object with shadow only", 0, 0, 0.6, 72, 144, 0, false, true,
         {{113, 342, 257, 342, 2}, {165, 411, 165, 501, 1}, {257, 342, 257, 432, 1},
          {257, 342, 165, 411, 1}, {165, 501, 257, 432, 2}}},
        {"other frame's object with trace only", 0, 1, 0.6, 72, 144, 1, true, false,
         {{300, 342, 415, 256, 2}, {300, 0, 300, 553, 1}, {415, 0, 415, 553, 1}}},
        {"other frame's rod alone", 0, 1, 0.6, 72, 144, 0, false, false, {{185, 428, 300, 342, 2}}},

        // At rest both frames agree on everything but the trace.
        {"own object at speed 0", 0, 0, 0.0, 72, 144, 1, true, true,
         {{300, 328, 444, 328, 2}, {444, -672, 444, 1328, 1}, {300, 328, 300, 400, 1},
          {444, 328, 444, 400, 1}, {444, 328, 300, 328, 1}, {300, 400, 444, 400, 2}}},
        {"other frame's object at speed 0", 0, 1, 0.0, 72, 144, 1, true, true,
         {{300, 328, 444, 328, 2}, {300, 0, 300, 553, 1}, {444, 0, 444, 553, 1},
          {300, 328, 300, 400, 1}, {444, 328, 444, 400, 1}, {444, 328, 300, 328, 1},
          {300, 400, 444, 400, 2}}},

        // A negative speed mirrors the tilts.
        {"own object at speed -0.6", 0, 0, -0.6, 72, 144, 0, true, true,
         {{199, 342, 343, 342, 2}, {799, -458, -401, 1142, 1}, {251, 273, 251, 363, 1},
          {343, 342, 343, 432, 1}, {343, 342, 251, 273, 1}, {251, 363, 343, 432, 2}}},
        {"other frame's object at speed -0.6", 0, 1, -0.6, 72, 144, 1, true, true,
         {{300, 342, 415, 428, 2}, {300, 0, 300, 553, 1}, {415, 0, 415, 553, 1},
          {300, 342, 257, 400, 1}, {415, 342, 372, 400, 1}, {415, 342, 300, 342, 1},
          {257, 400, 372, 400, 2}}},

        // At time 0 the own rod starts at the origin and the drop lines shrink to points;
        // the other frame's shadow starts at the origin.
        {"own object at time 0", 0, 0, 0.6, 0, 144, 1, true, true,
         {{300, 400, 444, 400, 2}, {-156, -400, 1044, 1200, 1}, {300, 400, 300, 400, 1},
          {392, 331, 392, 331, 1}, {392, 331, 300, 400, 1}, {300, 400, 392, 331, 2}}},
        {"other frame's object at time 0", 0, 1, 0.6, 0, 144, 0, true, true,
         {{185, 486, 300, 400, 2}, {185, 0, 185, 553, 1}, {185, 400, 185, 400, 1},
          {300, 400, 300, 400, 1}, {300, 400, 185, 400, 1}, {185, 400, 300, 400, 2}}},

        // Before time 0 the rod lies below the space axis; the shortest length.
        {"own object at time -100, length 24", 0, 0, 0.6, -100, 24, 0, true, true,
         {{336, 480, 360, 480, 2}, {-264, -320, 936, 1280, 1}, {345, 492, 345, 366, 1},
          {360, 480, 360, 355, 1}, {360, 480, 345, 492, 1}, {345, 366, 360, 355, 2}}},
        {"other frame's object at time -100, length 24", 0, 1, 0.6, -100, 24, 0, true, true,
         {{281, 494, 300, 480, 2}, {281, 0, 281, 553, 1}, {281, 480, 221, 400, 1},
          {300, 480, 240, 400, 1}, {300, 480, 281, 480, 1}, {221, 400, 240, 400, 2}}},

        // Near the earliest time T * k = -398.4 px: the own shadow's ends keep the time term,
        // Y + Round(T k - (x - ox) q); at x 599 oy - Round((x - ox) q) would give 176, not 175.
        {"own object at time -498, length 24", 0, 0, 0.6, -498, 24, 0, true, true,
         {{575, 798, 599, 798, 2}, {-25, -2, 1175, 1598, 1}, {584, 810, 584, 187, 1},
          {599, 798, 599, 175, 1}, {599, 798, 584, 810, 1}, {584, 187, 599, 175, 2}}},
        {"own object at time -498, length 24, extending right", 0, 0, 0.6, -498, 24, 1, true,
         true,
         {{599, 798, 623, 798, 2}, {23, -2, 1223, 1598, 1}, {599, 798, 599, 175, 1},
          {614, 786, 614, 164, 1}, {614, 786, 599, 798, 1}, {599, 175, 614, 164, 2}}},

        // The longest length reaches off the canvas; nothing is clipped.
        {"own object of length 288", 0, 0, 0.6, 72, 288, 0, true, true,
         {{-31, 342, 257, 342, 2}, {-631, -458, 569, 1142, 1}, {73, 480, 73, 570, 1},
          {257, 342, 257, 432, 1}, {257, 342, 73, 480, 1}, {73, 570, 257, 432, 2}}},
        {"other frame's object of length 288", 0, 1, 0.6, 72, 288, 1, true, true,
         {{300, 342, 530, 169, 2}, {300, 0, 300, 553, 1}, {530, 0, 530, 553, 1},
          {300, 342, 343, 400, 1}, {530, 342, 573, 400, 1}, {530, 342, 300, 342, 1},
          {343, 400, 573, 400, 2}}},

        // T * beta = -36.5 px: a half pixel goes away from zero, to -37.
        {"half-pixel offset at speed 0.5, time -73", 0, 0, 0.5, -73, 144, 1, false, false,
         {{337, 463, 481, 463, 2}}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        viewpoint = row.viewpoint;
        beta = row.beta;
        timeValue = row.time;
        const Thing thing = Object(row.index, row.position, row.length, row.trace, row.shadow);
        g.Clear();
        thing.Draw(g);
        ExpectSameCalls(g.Calls(), Expected(row.lines, thing.cl));
    }
}

TEST_F(ThingTest, DrawsNothingAndLeavesThePenWhenInvisibleOrWithoutPosition) {
    struct Row {
        const char* name;
        std::int32_t index;
        bool visible;
        std::int32_t position;
    };
    const Row rows[] = {
        {"invisible own object", 0, false, 0},
        {"invisible other frame's object", 1, false, 1},
        {"own object at the start position 2", 0, true, 2},
        {"other frame's object at the start position 2", 1, true, 2},
        {"own object at position -1", 0, true, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Thing thing = Object(row.index, row.position, 144, true, true);
        thing.isVisible = row.visible;
        g.Clear();
        thing.Draw(g);
        EXPECT_TRUE(g.Calls().empty()) << g.Calls().size() << " calls, first " << g.Calls()[0];
        EXPECT_EQ(g.ForeColor(), kLeftColor);
        EXPECT_EQ(g.PenWidth(), kLeftWidth);
    }
}

TEST_F(ThingTest, LeavesItsColourAndTheLastPenWidth) {
    struct Row {
        const char* name;
        std::int32_t index;
        std::int32_t position;
        bool trace;
        bool shadow;
        double width;
    };
    const Row rows[] = {
        {"own object after its shadow", 0, 0, true, true, 2.0},
        {"own object after its trace", 0, 1, true, false, 1.0},
        {"own object after the rod alone", 0, 0, false, false, 1.0},
        {"other frame's object after its shadow", 1, 1, false, true, 2.0},
        {"other frame's object after its trace", 1, 0, true, false, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Thing thing = Object(row.index, row.position, 144, row.trace, row.shadow);
        g.ForeColor(kLeftColor);
        g.PenWidth(kLeftWidth);
        thing.Draw(g);
        EXPECT_EQ(g.ForeColor(), thing.cl);
        EXPECT_EQ(g.PenWidth(), row.width);
        EXPECT_EQ(g.TextFont(), kLeftFont);
        EXPECT_EQ(g.TextSize(), kLeftSize);
    }
}

} // namespace
} // namespace varnel::testing
