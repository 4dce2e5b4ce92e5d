// The main window's controls: the viewpoint, the speed slider and field, the units with the
// time display, the time buttons, the object and light-cone controls, and Quit.
#include "AppTestSupport.h"

#include "framework/Numbers.h"
#include "framework/RecordingGraphics.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

namespace varnel::test {
namespace {

using Call = fw::RecordingGraphics::Call;

class HandlersTest : public MainWindowTest {
protected:
    int WindowRefreshes() const { return window->RefreshCount(); }
    int CanvasRefreshes() const { return window->Canvas1()->RefreshCount(); }
    std::string SpeedText() const { return window->EditField2()->text().toStdString(); }
    int Knob() const { return window->SpeedSlider()->value(); }
};

// Choosing the other viewpoint negates the speed and mirrors the knob about its middle;
// choosing the first one again brings both back.
TEST_F(HandlersTest, ViewpointRoundTripNegatesSpeedAndMirrorsTheKnob) {
    struct Case {
        const char* name;
        int slider;        // moved there first (after a step away), or 0
        const char* typed; // typed afterwards, or null
        const char* blackText;
        int blackKnob;
        const char* redText;
        int redKnob;
    };
    const Case cases[] = {
        {"speed from the slider", 32, nullptr, "0.6", 32, "-0.6", 8},
        {"typed speed between two knob steps", 0, "0.63", "0.63", 32, "-0.63", 8},
        {"typed speed whose knob is one step off", 0, "0.6", "0.6", 31, "-0.6", 9},
        {"slow speed", 21, nullptr, "0.05", 21, "-0.05", 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        if (c.slider) {
            window->SpeedSlider()->setValue(c.slider - 1);
            window->SpeedSlider()->setValue(c.slider);
        }
        if (c.typed) {
            window->EditField2()->selectAll();
            QTest::keyClicks(window->EditField2(), c.typed);
        }
        const double speed = beta;
        ASSERT_EQ(SpeedText(), c.blackText);
        ASSERT_EQ(Knob(), c.blackKnob);

        int refreshes = WindowRefreshes();
        Click(window->RadioButton2());
        EXPECT_EQ(viewpoint, 1);
        EXPECT_EQ(beta, -speed) << "the knob's coarser steps do not round the speed";
        EXPECT_EQ(SpeedText(), c.redText);
        EXPECT_EQ(Knob(), c.redKnob);
        EXPECT_EQ(WindowRefreshes(), refreshes + 1);

        refreshes = WindowRefreshes();
        Click(window->RadioButton1());
        EXPECT_EQ(viewpoint, 0);
        EXPECT_EQ(beta, speed);
        EXPECT_EQ(SpeedText(), c.blackText);
        EXPECT_EQ(Knob(), c.blackKnob);
        EXPECT_EQ(WindowRefreshes(), refreshes + 1);
        EXPECT_EQ(CanvasRefreshes(), 0);
    }
}

TEST_F(HandlersTest, ChoosingTheViewpointAlreadyChosenDoesNothing) {
    struct Case {
        const char* name;
        bool redFirst;
    };
    const Case cases[] = {{"black while black", false}, {"red while red", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        if (c.redFirst)
            Click(window->RadioButton2());
        const double speed = beta;
        const std::string text = SpeedText();
        const int knob = Knob(), refreshes = WindowRefreshes();

        Click(c.redFirst ? window->RadioButton2() : window->RadioButton1());
        EXPECT_EQ(viewpoint, c.redFirst ? 1 : 0);
        EXPECT_EQ(beta, speed);
        EXPECT_EQ(SpeedText(), text);
        EXPECT_EQ(Knob(), knob);
        EXPECT_EQ(WindowRefreshes(), refreshes) << "nothing is repainted";
        EXPECT_EQ(CanvasRefreshes(), 0);
        EXPECT_TRUE((c.redFirst ? window->RadioButton2() : window->RadioButton1())->isChecked());
    }
}

// The knob's 39 steps are the speeds -0.95 to 0.95; its change shows in the field without
// the field's own handler moving the knob again.
TEST_F(HandlersTest, SpeedSliderSetsTheSpeedAndTheField) {
    struct Case {
        const char* name;
        int key; // a key pressed on the slider, or 0 to set the value
        int value;
        double speed;
        const char* text;
    };
    const Case cases[] = {
        {"left end by Home", Qt::Key_Home, 1, -0.95, "-0.95"},
        {"right end by End", Qt::Key_End, 39, 0.95, "0.95"},
        {"middle", 0, 20, 0.0, "0"},
        {"one step left", Qt::Key_Left, 31, 0.55, "0.55"},
        {"half light speed", 0, 30, 0.5, "0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        if (c.key)
            QTest::keyClick(window->SpeedSlider(), static_cast<Qt::Key>(c.key));
        else
            window->SpeedSlider()->setValue(c.value);
        EXPECT_EQ(Knob(), c.value);
        EXPECT_EQ(beta, c.value / 20.0 - 1.0);
        EXPECT_NEAR(beta, c.speed, 1e-15);
        EXPECT_EQ(SpeedText(), c.text);
        EXPECT_EQ(WindowRefreshes(), 1);
        EXPECT_EQ(CanvasRefreshes(), 0);
        EXPECT_FALSE(isUpdating);
    }
}

// A typed speed strictly between -1 and 1 is taken and puts the knob at Round(19 x + 20);
// anything else is replaced by the current speed, whose text is then taken in turn.
TEST_F(HandlersTest, TypedSpeedIsTakenOrReplacedByTheCurrentOne) {
    struct Case {
        const char* name;
        int slider; // moved there first, or 0
        const char* typed;
        double speed;
        const char* shown;
        int knob;
    };
    const Case cases[] = {
        {"just below light speed", 0, "0.999", 0.999, "0.999", 39},
        {"just above minus light speed", 0, "-0.999", -0.999, "-0.999", 1},
        {"between two knob steps", 0, "0.65", 0.65, "0.65", 32},
        {"half light speed", 0, "0.5", 0.5, "0.5", 30},
        {"exactly one", 0, "1", 0.6, "0.6", 31},
        {"exactly minus one", 0, "-1", 0.6, "0.6", 31},
        {"faster than light", 0, "1.5", 0.6, "0.6", 31},
        {"exactly one after a slider move", 36, "1", 0.8, "0.8", 35},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        if (c.slider)
            window->SpeedSlider()->setValue(c.slider);
        const int refreshes = WindowRefreshes();

        window->EditField2()->setText(c.typed);
        EXPECT_EQ(beta, c.speed);
        EXPECT_EQ(SpeedText(), c.shown);
        EXPECT_EQ(Knob(), c.knob);
        EXPECT_EQ(WindowRefreshes(), refreshes + 1);
        EXPECT_EQ(CanvasRefreshes(), 0);
        EXPECT_FALSE(isUpdating);
    }
}

// The time display: the time in grid units times the unit's time factor, with the unit.
TEST_F(HandlersTest, TimeDisplayShowsTheTimeInTheChosenUnit) {
    struct Case {
        const char* name;
        int unit;
        int time; // the time slider, 500 is time 0
        bool unitLast;
        const char* text;
    };
    const Case cases[] = {
        {"beginning of time", 3, 0, false, "-69.44 ns"},
        {"beginning of time, ten times the unit", 4, 0, false, "-694.44 ns"},
        {"beginning of time, unit changed last", 4, 0, true, "-694.44 ns"},
        {"one grid unit of milliseconds", 9, 572, true, "10.00 ms"},
        {"one grid unit of one nanosecond", 2, 572, true, "1.00 ns"},
        {"end of time in picoseconds", 0, 1000, false, "69.44 ps"},
        {"end of time in microseconds", 7, 1000, true, "694.44 us"},
        {"time zero", 3, 500, false, "0.00 ns"},
        {"one pixel before time zero", 3, 499, false, "-0.14 ns"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        if (!c.unitLast)
            window->UnitSlider()->setValue(c.unit);
        window->TimeSlider()->setValue(c.time);
        EXPECT_EQ(timeValue, c.time - 500);
        if (c.unitLast) {
            window->UnitSlider()->setValue(c.unit);
            EXPECT_EQ(timeValue, c.time - 500) << "the units leave the time alone";
            EXPECT_EQ(window->TimeSlider()->value(), c.time);
        }
        EXPECT_EQ(unitSetting, c.unit);
        EXPECT_EQ(window->EditField14()->text().toStdString(), c.text);
        const int changes = (c.unit != 3 ? 1 : 0) + (c.time != 572 ? 1 : 0);
        EXPECT_EQ(WindowRefreshes(), changes);
    }
}

// "back" and "ahead" step the time slider, which keeps to 0..1000.
TEST_F(HandlersTest, BackAndAheadStepTheTime) {
    struct Case {
        const char* name;
        int from;
        bool ahead;
        int to;
        const char* text;
    };
    const Case cases[] = {
        {"back from the start", 572, false, 571, "9.86 ns"},
        {"ahead from the start", 572, true, 573, "10.14 ns"},
        {"back at the beginning", 0, false, 0, "-69.44 ns"},
        {"ahead at the end", 1000, true, 1000, "69.44 ns"},
        {"ahead from the beginning", 0, true, 1, "-69.31 ns"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        window->TimeSlider()->setValue(c.from);
        const int refreshes = WindowRefreshes();
        Click(c.ahead ? window->PushButton2() : window->PushButton1());
        EXPECT_EQ(window->TimeSlider()->value(), c.to);
        EXPECT_EQ(timeValue, c.to - 500);
        EXPECT_EQ(window->EditField14()->text().toStdString(), c.text);
        EXPECT_EQ(WindowRefreshes(), refreshes + (c.to != c.from ? 1 : 0));
    }
}

// The object and light-cone controls only repaint; the drawing reads them afresh.
TEST_F(HandlersTest, ObjectAndLightConeControlsRepaintWithTheirNewSetting) {
    struct Case {
        const char* name;
        const char* control;
        int key; // pressed on a slider; 0 clicks a check box
    };
    const Case cases[] = {
        {"black position", "BlackPosSlider", Qt::Key_Left},
        {"black length", "BlackLengthSlider", Qt::Key_Right},
        {"black is visible", "CheckBox1", 0},
        {"black has trace", "CheckBox2", 0},
        {"black has shadow", "CheckBox3", 0},
        {"red position", "RedPosSlider", Qt::Key_Right},
        {"red length", "RedLengthSlider", Qt::Key_Left},
        {"red is visible", "CheckBox4", 0},
        {"red has shadow", "CheckBox5", 0},
        {"red has trace", "CheckBox6", 0},
        {"light cone", "CheckBox7", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        // Both objects shown, so that every object setting changes the picture.
        Click(window->CheckBox1());
        Click(window->CheckBox4());
        const std::vector<Call> before = Paint();
        const int refreshes = WindowRefreshes();
        const double speed = beta;

        QWidget* control = window->ControlByName(c.control);
        ASSERT_NE(control, nullptr);
        if (c.key)
            QTest::keyClick(control, static_cast<Qt::Key>(c.key));
        else
            Click(qobject_cast<QAbstractButton*>(control));

        EXPECT_EQ(WindowRefreshes(), refreshes + 1);
        EXPECT_EQ(CanvasRefreshes(), 0);
        EXPECT_EQ(beta, speed);
        EXPECT_EQ(viewpoint, 0);
        EXPECT_EQ(timeValue, 72);
        EXPECT_EQ(unitSetting, 3);
        EXPECT_NE(Paint(), before) << "the next paint shows the new setting";
    }
}

TEST_F(HandlersTest, HiddenObjectLosesItsTraceAndShadowToo) {
    struct Case {
        const char* name;
        const char* visible;
        const char* trace;
        const char* shadow;
        fw::Color color;
    };
    const Case cases[] = {
        {"black object", "CheckBox1", "CheckBox2", "CheckBox3", fw::RGB(100, 100, 100)},
        {"red object", "CheckBox4", "CheckBox6", "CheckBox5", fw::RGB(200, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        auto box = [&](const char* name) {
            return qobject_cast<QAbstractButton*>(window->ControlByName(name));
        };
        auto linesOfObject = [&] {
            const auto calls = Paint();
            return std::count_if(calls.begin(), calls.end(),
                                 [&](const Call& call) { return call.color == c.color; });
        };
        EXPECT_EQ(linesOfObject(), 0) << "objects start hidden";
        Click(box(c.visible));
        const auto rodOnly = linesOfObject();
        EXPECT_GT(rodOnly, 0);
        Click(box(c.trace));
        Click(box(c.shadow));
        EXPECT_GT(linesOfObject(), rodOnly);

        Click(box(c.visible));
        EXPECT_FALSE(box(c.visible)->isChecked());
        EXPECT_EQ(linesOfObject(), 0);
    }
}

TEST_F(HandlersTest, QuitButtonEndsTheEventLoopWithStatusZero) {
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    giveUp.start(10000);
    QTimer::singleShot(0, window, [this] { Click(window->PushButton3()); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

} // namespace
} // namespace varnel::test
