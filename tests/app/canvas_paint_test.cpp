// The canvas's paint: the white fill under the diagram and, while the button is held on an
// event, the eight read-outs and the four projection lines.
#include "AppTestSupport.h"

#include "diagram/Diagram.h"
#include "framework/RecordingGraphics.h"

#include <QTest>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace varnel::test {
namespace {

using Call = fw::RecordingGraphics::Call;
using Op = fw::RecordingGraphics::Op;

constexpr fw::Color black = fw::RGB(0, 0, 0);
constexpr fw::Color red = fw::RGB(255, 0, 0);
constexpr fw::Color white = fw::RGB(255, 255, 255);

class CanvasPaintTest : public MainWindowTest {
protected:
    void TearDown() override {
        Release({1, 1}); // never leave a press held for the next test
        MainWindowTest::TearDown();
    }

    void Press(QPoint p) { QTest::mousePress(window->Canvas1(), Qt::LeftButton, {}, p); }
    void Release(QPoint p) { QTest::mouseRelease(window->Canvas1(), Qt::LeftButton, {}, p); }
    // The read-out fields, row by row: black's value first, then red's copy of it.
    std::array<QLineEdit*, 8> ReadOutFields() const {
        return {window->EditField10(), window->EditField6(),  window->EditField11(),
                window->EditField7(),  window->EditField12(), window->EditField8(),
                window->EditField13(), window->EditField9()};
    }
    std::array<std::string, 8> ReadOuts() const {
        std::array<std::string, 8> texts;
        const auto fields = ReadOutFields();
        for (std::size_t i = 0; i < fields.size(); ++i)
            texts[i] = fields[i]->text().toStdString();
        return texts;
    }
    void FillReadOuts(const QString& text) {
        for (QLineEdit* f : ReadOutFields())
            f->setText(text);
    }
};

struct LineEnd {
    double x, y;
    fw::Color color;
};

struct ReadOutCase {
    const char* name;
    int speedSlider; // 0: the start speed 0.6
    int unitSlider;  // the start setting is 3: 3 m and 10 ns per grid unit
    bool redViewpoint;
    QPoint event;                     // the origin stays at (300, 400)
    std::array<std::string, 8> texts; // EditField10, 6, 11, 7, 12, 8, 13, 9
    std::array<LineEnd, 4> lines;     // each drawn from the event, in this order
};

// clang-format off
const ReadOutCase readOutCases[] = {
    {"black viewpoint at 0.6", 0, 3, false, {372, 256},
     {"25.00 ns", "25.00 ns", "7.50 m", "7.50 m", "12.50 ns", "12.50 ns", "3.75 m", "3.75 m"},
     {{{480, 400, black}, {192, 256, black}, {300, 310, red}, {372, 346, red}}}},
    {"red viewpoint at -0.6", 0, 3, true, {372, 256},
     {"27.50 ns", "27.50 ns", "3.75 m", "3.75 m", "25.00 ns", "25.00 ns", "-1.50 m", "-1.50 m"},
     {{{408, 256, red}, {264, 400, red}, {372, 454, black}, {300, 202, black}}}},
    {"black viewpoint at rest", 20, 3, false, {372, 256},
     {"20.00 ns", "20.00 ns", "3.00 m", "3.00 m", "20.00 ns", "20.00 ns", "3.00 m", "3.00 m"},
     {{{372, 400, black}, {300, 256, black}, {300, 256, red}, {372, 400, red}}}},
    {"red viewpoint at rest", 20, 3, true, {372, 256},
     {"20.00 ns", "20.00 ns", "3.00 m", "3.00 m", "20.00 ns", "20.00 ns", "3.00 m", "3.00 m"},
     {{{300, 256, red}, {372, 400, red}, {372, 400, black}, {300, 256, black}}}},
    {"event below and left of the origin", 0, 3, false, {228, 472},
     {"-12.50 ns", "-12.50 ns", "-5.25 m", "-5.25 m", "-2.50 ns", "-2.50 ns", "-3.75 m",
      "-3.75 m"},
     {{{174, 400, black}, {354, 472, black}, {300, 418, red}, {228, 454, red}}}},
    // Rounding each end point's own offset, not a rounded value times the speed.
    {"black viewpoint, event between whole pixels", 0, 3, false, {317, 383},
     {"2.95 ns", "2.95 ns", "1.24 m", "1.24 m", "0.59 ns", "0.59 ns", "0.89 m", "0.89 m"},
     {{{330, 400, black}, {287, 383, black}, {300, 396, red}, {317, 387, red}}}},
    {"red viewpoint, event between whole pixels", 0, 3, true, {317, 383},
     {"4.13 ns", "4.13 ns", "0.89 m", "0.89 m", "2.95 ns", "2.95 ns", "0.18 m", "0.18 m"},
     {{{313, 383, red}, {304, 400, red}, {317, 413, black}, {300, 370, black}}}},
    // Each viewpoint has its own formula for its time-axis end and the other frame's
    // space-axis end. The other viewpoint's formula is equal before rounding but lands a pixel
    // off for these events (in the comments: what it would give).
    {"red viewpoint, red time-axis end by its own formula", 0, 3, true, {0, 402},
     {"-31.53 ns", "-31.53 ns", "-15.63 m", "-15.63 m", "-0.35 ns", "-0.35 ns", "-12.44 m",
      "-12.44 m"},
     // eventX - Round(xR) = 0 - Round(-298.5); originX - Round(tR * beta) would give 298
     {{{299, 402, red}, {1, 400, red}, {0, 175, black}, {300, 627, black}}}},
    {"red viewpoint, black space-axis end by its own formula", 0, 3, true, {2, 0},
     {"24.51 ns", "24.51 ns", "-15.52 m", "-15.52 m", "69.44 ns", "69.44 ns", "-24.92 m",
      "-24.92 m"},
     // eventY + Round(tB) = 0 + Round(176.5); originY - Round(xB * beta) would give 176
     {{{600, 0, red}, {-298, 400, red}, {2, 177, black}, {300, 223, black}}}},
    {"black viewpoint, black time-axis end by its own formula", 0, 3, false, {0, 2},
     {"69.10 ns", "69.10 ns", "-0.06 m", "-0.06 m", "86.53 ns", "86.53 ns", "-15.63 m",
      "-15.63 m"},
     // originX - Round(tB * beta) = 300 - Round(298.5); eventX - Round(xB) would give 2
     {{{298, 400, black}, {1, 2, black}, {300, -223, red}, {0, 625, red}}}},
    {"black viewpoint, red space-axis end by its own formula", 0, 3, false, {2, 368},
     {"5.56 ns", "5.56 ns", "-11.42 m", "-11.42 m", "35.49 ns", "35.49 ns", "-15.52 m",
      "-15.52 m"},
     // originY - Round(xR * beta) = 400 - Round(-223.5); eventY + Round(tR) would give 623,
     // tR being 255.5 less one last binary digit (hence also the 145 of line 3)
     {{{26, 400, black}, {276, 368, black}, {300, 145, red}, {2, 624, red}}}},
    {"black viewpoint, red space-axis end with halves of either sign", 0, 3, false, {310, 392},
     {"1.39 ns", "1.39 ns", "0.67 m", "0.67 m", "0.07 ns", "0.07 ns", "0.52 m", "0.52 m"},
     // originY - Round(xR * beta) = 400 - Round(7.5); eventY + Round(tR) = 392 + Round(0.5)
     // would give 393, whatever the last binary digits
     {{{316, 400, black}, {294, 392, black}, {300, 399, red}, {310, 392, red}}}},
    {"kilometres and milliseconds", 0, 9, false, {372, 256},
     {"25.00 ms", "25.00 ms", "7500.00 km", "7500.00 km", "12.50 ms", "12.50 ms", "3750.00 km",
      "3750.00 km"},
     {{{480, 400, black}, {192, 256, black}, {300, 310, red}, {372, 346, red}}}},
};
// clang-format on

TEST_F(CanvasPaintTest, HeldEventShowsItsReadOutsAndProjectionLines) {
    for (const ReadOutCase& c : readOutCases) {
        SCOPED_TRACE(c.name);
        Reopen();
        if (c.speedSlider)
            window->SpeedSlider()->setValue(c.speedSlider);
        window->UnitSlider()->setValue(c.unitSlider);
        if (c.redViewpoint)
            Click(window->RadioButton2());
        ASSERT_EQ(viewpoint, c.redViewpoint ? 1 : 0);

        // Each field starts from another text, so that every write shows.
        FillReadOuts("x");
        std::vector<std::string> written;
        QObject listening; // ends the connections with this case
        for (QLineEdit* f : ReadOutFields())
            QObject::connect(f, &QLineEdit::textChanged, &listening,
                             [&written, f] { written.push_back(f->objectName().toStdString()); });

        Press(c.event);
        ASSERT_TRUE(eventMarked);
        const std::vector<Call> held = Paint();
        EXPECT_EQ(ReadOuts(), c.texts);
        EXPECT_EQ(written, (std::vector<std::string>{"EditField10", "EditField6", "EditField11",
                                                     "EditField7", "EditField12", "EditField8",
                                                     "EditField13", "EditField9"}));
        // A text wider than its field ("-7500.00 km") must show its start, sign included.
        for (QLineEdit* f : ReadOutFields())
            EXPECT_EQ(f->cursorPosition(), 0) << f->objectName().toStdString();

        // The paint ends with the four lines from the event, one pixel wide.
        ASSERT_GE(held.size(), 5u);
        for (std::size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE("line " + std::to_string(i + 1));
            const Call& line = held[held.size() - 4 + i];
            EXPECT_EQ(line.op, Op::Line);
            EXPECT_EQ(line.a, c.event.x());
            EXPECT_EQ(line.b, c.event.y());
            EXPECT_EQ(line.c, c.lines[i].x);
            EXPECT_EQ(line.d, c.lines[i].y);
            EXPECT_EQ(line.color, c.lines[i].color);
            EXPECT_EQ(line.penWidth, 1.0);
        }

        // After the release the lines are gone and the texts remain.
        Release(c.event);
        ASSERT_FALSE(eventMarked);
        written.clear();
        const std::vector<Call> released = Paint();
        EXPECT_EQ(released, std::vector<Call>(held.begin(), held.end() - 4));
        EXPECT_EQ(ReadOuts(), c.texts);
        EXPECT_TRUE(written.empty());
    }
}

TEST_F(CanvasPaintTest, WithoutAnEventThePaintIsTheWhiteFillAndTheDiagram) {
    struct Case {
        const char* name;
        bool grabOrigin; // the button held on the origin marks nothing
    };
    const Case cases[] = {{"nothing pressed", false}, {"origin grabbed", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        FillReadOuts("x");
        if (c.grabOrigin) {
            Press({300, 400});
            ASSERT_TRUE(draggingOrigin);
        }

        const std::vector<Call> painted = Paint();
        ASSERT_FALSE(painted.empty());
        const Call& fill = painted.front();
        EXPECT_EQ(fill.op, Op::Fill);
        EXPECT_EQ(fill.color, white);
        EXPECT_EQ((std::array<double, 4>{fill.a, fill.b, fill.c, fill.d}),
                  (std::array<double, 4>{0, 0, 636, 553}));

        fw::RecordingGraphics diagramOnly;
        DrawDiagram(diagramOnly);
        EXPECT_EQ(std::vector<Call>(painted.begin() + 1, painted.end()), diagramOnly.Calls());
        for (const std::string& text : ReadOuts())
            EXPECT_EQ(text, "x");
        Release({300, 400});
    }
}

TEST_F(CanvasPaintTest, ReadOutsFollowTheStateWhileHeldAndStayAfterTheRelease) {
    Press({372, 256});
    Paint();
    EXPECT_EQ(window->EditField10()->text(), "25.00 ns");

    // Whatever causes the paint, it recomputes from the current state.
    window->SpeedSlider()->setValue(20);
    Paint();
    EXPECT_EQ(window->EditField10()->text(), "20.00 ns");
    window->UnitSlider()->setValue(4);
    Paint();
    EXPECT_EQ(window->EditField10()->text(), "200.00 ns");
    EXPECT_EQ(window->EditField11()->text(), "30.00 m");

    Release({372, 256});
    const auto kept = ReadOuts();
    window->SpeedSlider()->setValue(35);
    Click(window->RadioButton2());
    window->UnitSlider()->setValue(7);
    Press({300, 400});
    QTest::mouseMove(window->Canvas1(), {200, 200});
    Release({200, 200});
    ASSERT_EQ(originX, 200);
    Paint();
    EXPECT_EQ(ReadOuts(), kept);
}

// Near the speed of light the numbers grow large; they are shown and drawn as they are.
TEST_F(CanvasPaintTest, SpeedsCloseToLightPaintFarEndPoints) {
    struct Case {
        const char* name;
        const char* speed;
        bool redViewpoint;
    };
    const Case cases[] = {
        {"just below light speed", "0.9999999999999999", false},
        {"just below light speed, red viewpoint", "0.9999999999999999", true},
        {"just above minus light speed", "-0.9999999999999999", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        window->EditField2()->setText(c.speed);
        if (c.redViewpoint)
            Click(window->RadioButton2());
        ASSERT_LT(std::fabs(beta), 1.0);
        ASSERT_GT(std::fabs(beta), 0.999);

        Press({400, 100});
        const std::vector<Call> painted = Paint();
        ASSERT_GE(painted.size(), 5u);
        double farthest = 0;
        for (auto it = painted.end() - 4; it != painted.end(); ++it) {
            EXPECT_TRUE(std::isfinite(it->c) && std::isfinite(it->d));
            farthest = std::max({farthest, std::fabs(it->c), std::fabs(it->d)});
        }
        EXPECT_GT(farthest, 1e6);
        for (const std::string& text : ReadOuts())
            EXPECT_TRUE(text.ends_with(" ns") || text.ends_with(" m")) << text;
        Release({400, 100});
    }
}

} // namespace
} // namespace varnel::test
