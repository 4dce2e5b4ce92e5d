// DrawDiagram over the open main window, read back from a recording surface: what the start
// state shows, the light cone, the frames' tilts for either viewpoint, the order of drawing,
// and the objects taking their settings from the controls at each drawing.
#include "AppTestSupport.h"

#include "diagram/Diagram.h"
#include "diagram/KoordSys.h"
#include "diagram/Thing.h"
#include "framework/RecordingGraphics.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace varnel::test {

namespace {

using Call = fw::RecordingGraphics::Call;
using Op = fw::RecordingGraphics::Op;
using fw::Color;
using fw::RGB;

constexpr Color kCircles = RGB(220, 220, 220);
constexpr Color kCone = RGB(80, 80, 222);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kBlackObject = RGB(100, 100, 100);
constexpr Color kRedObject = RGB(200, 0, 0);

using Segment = std::array<double, 4>;

Segment Ends(const Call& c) { return {c.a, c.b, c.c, c.d}; }

std::vector<Call> LinesIn(const fw::RecordingGraphics& g, Color color) {
    std::vector<Call> out;
    for (const Call& c : g.Calls())
        if (c.op == Op::Line && c.color == color)
            out.push_back(c);
    return out;
}

// A frame's two axes are the only lines of its colour 2000 px long: time, then space.
std::vector<Segment> AxesIn(const fw::RecordingGraphics& g, Color color) {
    std::vector<Segment> out;
    for (const Call& c : LinesIn(g, color))
        if (std::hypot(c.c - c.a, c.d - c.b) > 1000.0)
            out.push_back(Ends(c));
    return out;
}

std::vector<Color> ColourRuns(const fw::RecordingGraphics& g) {
    std::vector<Color> runs;
    for (const Call& c : g.Calls())
        if (runs.empty() || !(runs.back() == c.color))
            runs.push_back(c.color);
    return runs;
}

} // namespace

using DrawDiagramTest = MainWindowTest;

TEST_F(DrawDiagramTest, StartStateShowsTheCirclesAndTheTwoSystemsOnly) {
    fw::RecordingGraphics g;
    g.PenWidth(3.0);
    DrawDiagram(g);
    const std::vector<Call>& calls = g.Calls();
    ASSERT_GT(calls.size(), 10u);

    // Ten circles of one grid unit more each about the origin (300, 400), in the pen width
    // the surface had.
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE("circle of radius " + std::to_string(72 * i));
        const Call& c = calls[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(c.op, Op::Oval);
        EXPECT_EQ(Ends(c), (Segment{300.0 - 72 * i, 400.0 - 72 * i, 144.0 * i, 144.0 * i}));
        EXPECT_EQ(c.color, kCircles);
        EXPECT_EQ(c.penWidth, 3.0);
    }
    int black = 0, red = 0;
    for (std::size_t i = 10; i < calls.size(); ++i) {
        SCOPED_TRACE(::testing::PrintToString(calls[i]));
        EXPECT_NE(calls[i].op, Op::Oval);
        EXPECT_TRUE(calls[i].color == kBlack || calls[i].color == kRed)
            << "no light cone and no object";
        black += calls[i].color == kBlack;
        red += calls[i].color == kRed;
    }
    EXPECT_GT(black, 0);
    EXPECT_GT(red, 0);
}

TEST_F(DrawDiagramTest, LightConeBisectsTheAxesForTheSpeed) {
    struct Row {
        const char* name;
        double beta;
        std::array<Segment, 4> lines;
    };
    // clang-format off
    const Row rows[] = {
        {"beta 0.6: R = 1200",
         0.6,
         {{{300, 400, 900, -800}, {300, 400, -300, 1600}, {300, 400, 1500, 1000},
           {300, 400, -900, -200}}}},
        {"beta 0: R = 600, at 45 degrees",
         0.0,
         {{{300, 400, 900, -200}, {300, 400, -300, 1000}, {300, 400, 900, 1000},
           {300, 400, -300, -200}}}},
        {"beta -0.6: R = 300",
         -0.6,
         {{{300, 400, 900, 100}, {300, 400, -300, 700}, {300, 400, 600, 1000},
           {300, 400, 0, -200}}}},
    };
    // clang-format on
    window->CheckBox7()->setChecked(true);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        beta = row.beta;
        fw::RecordingGraphics g;
        g.PenWidth(3.0);
        DrawDiagram(g);
        const std::vector<Call> cone = LinesIn(g, kCone);
        ASSERT_EQ(cone.size(), 4u);
        for (std::size_t i = 0; i < cone.size(); ++i) {
            SCOPED_TRACE("line " + std::to_string(i + 1));
            EXPECT_EQ(Ends(cone[i]), row.lines[i]);
            EXPECT_EQ(cone[i].penWidth, 1.0);
            EXPECT_TRUE(cone[i] == g.Calls()[10 + i]) << "right after the circles";
        }
    }
}

TEST_F(DrawDiagramTest, TiltsFollowTheViewpointAndTheSpeed) {
    struct Row {
        const char* name;
        std::vector<std::pair<int, double>> drawnBefore; // viewpoint and beta of earlier drawings
        int viewpoint;
        double beta;
        double blackTime, blackSpace, redTime, redSpace; // sines after drawing
        std::vector<Segment> blackAxes, redAxes;         // time axis, then space axis
    };
    // clang-format off
    const Row rows[] = {
        {"black as viewpoint, beta 0.6: black's time axis leans left, red's space axis rises",
         {}, 0, 0.6, -0.6, 0.0, 0.0, -0.6,
         {{900, 1200, -300, -400}, {-700, 400, 1300, 400}},
         {{300, 1400, 300, -600}, {-500, 1000, 1100, -200}}},
        {"red as viewpoint, beta -0.6: red's time axis leans right, black's space axis falls",
         {}, 1, -0.6, 0.0, 0.6, 0.6, 0.0,
         {{300, 1400, 300, -600}, {-500, -200, 1100, 1000}},
         {{-300, 1200, 900, -400}, {-700, 400, 1300, 400}}},
        // Each viewpoint levels the axes that the other one tilted.
        {"black, red, black again: black's space axis level, red's time axis upright",
         {{0, 0.6}, {1, -0.6}}, 0, 0.6, -0.6, 0.0, 0.0, -0.6,
         {{900, 1200, -300, -400}, {-700, 400, 1300, 400}},
         {{300, 1400, 300, -600}, {-500, 1000, 1100, -200}}},
        {"red, black, red again: red's space axis level, black's time axis upright",
         {{1, -0.6}, {0, 0.6}}, 1, -0.6, 0.0, 0.6, 0.6, 0.0,
         {{300, 1400, 300, -600}, {-500, -200, 1100, 1000}},
         {{-300, 1200, 900, -400}, {-700, 400, 1300, 400}}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (const auto& [earlierViewpoint, earlierBeta] : row.drawnBefore) {
            viewpoint = earlierViewpoint;
            beta = earlierBeta;
            fw::RecordingGraphics earlier;
            DrawDiagram(earlier);
        }
        viewpoint = row.viewpoint;
        beta = row.beta;
        fw::RecordingGraphics g;
        DrawDiagram(g);
        EXPECT_EQ(blackSystem->sinPhiTime, row.blackTime);
        EXPECT_EQ(blackSystem->sinPhiSpace, row.blackSpace);
        EXPECT_EQ(redSystem->sinPhiTime, row.redTime);
        EXPECT_EQ(redSystem->sinPhiSpace, row.redSpace);
        EXPECT_EQ(AxesIn(g, kBlack), row.blackAxes);
        EXPECT_EQ(AxesIn(g, kRed), row.redAxes);
        EXPECT_EQ(Ends(LinesIn(g, kBlack).front()), row.blackAxes.front()) << "time axis first";
        EXPECT_EQ(Ends(LinesIn(g, kRed).front()), row.redAxes.front()) << "time axis first";
    }
}

TEST_F(DrawDiagramTest, DrawsCirclesConeSystemsThenObjects) {
    for (QCheckBox* box :
         {window->CheckBox1(), window->CheckBox2(), window->CheckBox3(), window->CheckBox4(),
          window->CheckBox5(), window->CheckBox6(), window->CheckBox7()})
        box->setChecked(true);
    fw::RecordingGraphics g;
    DrawDiagram(g);
    EXPECT_EQ(ColourRuns(g),
              (std::vector<Color>{kCircles, kCone, kBlack, kRed, kBlackObject, kRedObject}));
}

TEST_F(DrawDiagramTest, ObjectsTakeTheirSettingsFromTheControls) {
    struct Fields {
        bool visible, trace, shadow;
        int length, position;
    };
    struct Row {
        const char* name;
        std::array<bool, 6> boxes; // CheckBox1 to CheckBox6
        int blackPos, blackLength, redPos, redLength;
        Fields black, red;
    };
    // clang-format off
    const Row rows[] = {
        {"start controls: position 1 replaces the start 2, length 6 is 144 px",
         {}, 1, 6, 0, 6, {false, false, false, 144, 1}, {false, false, false, 144, 0}},
        {"black visible, on the left, length 1 is 24 px",
         {true, false, false, false, false, false}, 0, 1, 0, 6,
         {true, false, false, 24, 0}, {false, false, false, 144, 0}},
        {"black trace is CheckBox2", {false, true, false, false, false, false}, 1, 6, 0, 6,
         {false, true, false, 144, 1}, {false, false, false, 144, 0}},
        {"black shadow is CheckBox3", {false, false, true, false, false, false}, 1, 6, 0, 6,
         {false, false, true, 144, 1}, {false, false, false, 144, 0}},
        {"red visible, on the right, length 12 is 288 px",
         {false, false, false, true, false, false}, 1, 6, 1, 12,
         {false, false, false, 144, 1}, {true, false, false, 288, 1}},
        {"red shadow is CheckBox5", {false, false, false, false, true, false}, 1, 6, 0, 6,
         {false, false, false, 144, 1}, {false, false, true, 144, 0}},
        {"red trace is CheckBox6", {false, false, false, false, false, true}, 1, 6, 0, 6,
         {false, false, false, 144, 1}, {false, true, false, 144, 0}},
        {"everything on", {true, true, true, true, true, true}, 0, 12, 1, 1,
         {true, true, true, 288, 0}, {true, true, true, 24, 1}},
    };
    // clang-format on
    ASSERT_EQ(blackObject->position, 2) << "before the first drawing";

    QCheckBox* const boxes[] = {window->CheckBox1(), window->CheckBox2(), window->CheckBox3(),
                                window->CheckBox4(), window->CheckBox5(), window->CheckBox6()};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (std::size_t i = 0; i < 6; ++i)
            boxes[i]->setChecked(row.boxes[i]);
        window->BlackPosSlider()->setValue(row.blackPos);
        window->BlackLengthSlider()->setValue(row.blackLength);
        window->RedPosSlider()->setValue(row.redPos);
        window->RedLengthSlider()->setValue(row.redLength);

        fw::RecordingGraphics g;
        DrawDiagram(g);
        const struct {
            const char* name;
            const Thing& thing;
            const Fields& want;
            Color cl;
            int index;
        } objects[] = {{"black object", *blackObject, row.black, kBlackObject, 0},
                       {"red object", *redObject, row.red, kRedObject, 1}};
        for (const auto& o : objects) {
            SCOPED_TRACE(o.name);
            EXPECT_EQ(o.thing.isVisible, o.want.visible);
            EXPECT_EQ(o.thing.hasTrace, o.want.trace);
            EXPECT_EQ(o.thing.hasShadow, o.want.shadow);
            EXPECT_EQ(o.thing.length, o.want.length);
            EXPECT_EQ(o.thing.position, o.want.position);
            EXPECT_EQ(o.thing.cl, o.cl) << "colour and owner stay as set up";
            EXPECT_EQ(o.thing.index, o.index);
            EXPECT_EQ(LinesIn(g, o.cl).empty(), !o.want.visible);
        }
    }
}

} // namespace varnel::test
