#pragma once

#include "diagram/State.h"
#include "framework/Color.h"
#include "framework/RecordingGraphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace varnel::testing {

using Call = fw::RecordingGraphics::Call;
using Op = fw::RecordingGraphics::Op;

// The drawing state a call is expected to be made with.
struct Pen {
    fw::Color color;
    double width;
    std::string font;
    double size;
};

// A call of the operation with the pen in force; the coordinates are filled in by the caller.
inline Call WithPen(Op op, const Pen& pen) {
    Call call;
    call.op = op;
    call.color = pen.color;
    call.penWidth = pen.width;
    call.font = pen.font;
    call.size = pen.size;
    return call;
}

inline Call Line(double x1, double y1, double x2, double y2, const Pen& pen) {
    Call call = WithPen(Op::Line, pen);
    call.a = x1;
    call.b = y1;
    call.c = x2;
    call.d = y2;
    return call;
}

inline Call Text(const std::string& text, double x, double y, const Pen& pen) {
    Call call = WithPen(Op::String, pen);
    call.a = x;
    call.b = y;
    call.text = text;
    return call;
}

// Compares call by call, so that a failure names the first calls that differ.
inline void ExpectSameCalls(const std::vector<Call>& actual, const std::vector<Call>& expected) {
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i)
        EXPECT_EQ(actual[i], expected[i]) << "call " << i;
    for (std::size_t i = common; i < actual.size(); ++i)
        ADD_FAILURE() << "unexpected call " << i << ": " << actual[i];
    for (std::size_t i = common; i < expected.size(); ++i)
        ADD_FAILURE() << "missing call " << i << ": " << expected[i];
}

// The diagram as the main window shows it at start: origin (300, 400), beta 0.6, time 72,
// unit setting 3 (3 m and 10 ns per grid unit) on the 636 x 553 canvas. The surface comes
// with the colour, pen and font an earlier drawing left on it, so that every setting a
// drawing relies on must be made by the drawing itself.
class DiagramTest : public ::testing::Test {
protected:
    static constexpr fw::Color kLeftColor{0, 160, 0};
    static constexpr double kLeftWidth = 5.0;
    static constexpr const char* kLeftFont = "Courier";
    static constexpr double kLeftSize = 20.0;

    void SetUp() override {
        SetModuleStartValues();
        canvasWidth = 636;
        canvasHeight = 553;
        unitSetting = 3;
        SetUnits();

        g.ForeColor(kLeftColor);
        g.PenWidth(kLeftWidth);
        g.TextFont(kLeftFont);
        g.TextSize(kLeftSize);
    }

    void TearDown() override { SetModuleStartValues(); }

    fw::RecordingGraphics g;
};

} // namespace varnel::testing
