// Many thousands of random user actions on the real main window: after each, the diagram's
// state stays in its ranges, the controls agree with it, and the diagram can be painted.
//
// The seed and the number of actions come from the environment, SOAK_SEED (0 to 4294967295)
// and SOAK_ACTIONS (1 to 2147483647), and default to 20240611 and 20000. A failure names the
// seed and the index of the action that failed; to replay it, run with that seed and one
// action more than the index, e.g. for "seed 7, action 1234":
//     SOAK_SEED=7 SOAK_ACTIONS=1235 ./build/dev/tests/app_tests --gtest_filter='Soak*'
// A value that is no such number fails the test rather than falling back to the default.
#include "AppTestSupport.h"

#include "framework/Numbers.h"
#include "framework/RecordingGraphics.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QTest>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace varnel::test {
namespace {

using Call = fw::RecordingGraphics::Call;

constexpr std::uint32_t defaultSoakSeed = 20240611;
constexpr int defaultSoakActions = 20000;

// The whole decimal number in the environment variable `name`, in [low, high]; `value` keeps
// its default when the variable is not set. Anything else, an empty text included, fails.
template <typename T>
::testing::AssertionResult FromEnvironment(const char* name, T low, T high, T& value) {
    const char* text = std::getenv(name);
    if (text == nullptr)
        return ::testing::AssertionSuccess();
    const std::string s(text);
    T parsed{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || parsed < low ||
        parsed > high)
        return ::testing::AssertionFailure()
               << name << "=\"" << s << "\" is no whole decimal number from " << +low << " to "
               << +high << "; unset it for the default " << +value;
    value = parsed;
    return ::testing::AssertionSuccess();
}

// Texts worth typing into the speed field, besides random ones.
// clang-format off
const std::vector<std::string> awkwardSpeeds = {
    "", "-", ".", "abc", "1", "-1", "1e999", "0.9999999999999999", "-0.99999999999999999",
    "-0.9999999999999999", "0.5 abc", "  0.25", "0.3e", "nan", "inf", "0x0.8", "0.6", "-0.63",
    "0.999", "2", "1e-320", "-0", std::string(1000, '9'), "0." + std::string(300, '9')};
// clang-format on

class SoakTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(FromEnvironment("SOAK_SEED", std::numeric_limits<std::uint32_t>::min(),
                                    std::numeric_limits<std::uint32_t>::max(), soakSeed));
        ASSERT_TRUE(
            FromEnvironment("SOAK_ACTIONS", 1, std::numeric_limits<int>::max(), soakActions));
        rng.seed(soakSeed);
    }
    void TearDown() override {
        if (held)
            QTest::mouseRelease(window->Canvas1(), Qt::LeftButton, {}, QPoint(1, 1));
        MainWindowTest::TearDown();
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng); }

    QAbstractButton* Button(const char* name) const {
        return qobject_cast<QAbstractButton*>(window->ControlByName(name));
    }
    QSlider* Slider(const char* name) const {
        return qobject_cast<QSlider*>(window->ControlByName(name));
    }

    // A point on the canvas, often near the origin's square or the drag band's edges.
    QPoint CanvasPoint(bool mayLeave) {
        const int kind = Uniform(0, 9);
        QPoint p;
        if (kind < 3)
            p = {originX + Uniform(-9, 9), originY + Uniform(-9, 9)};
        else if (kind < 5)
            p = {Chance(0.5) ? Uniform(18, 23) : Uniform(613, 618), Uniform(0, 552)};
        else if (kind < 6)
            p = {Uniform(0, 635), Chance(0.5) ? Uniform(18, 23) : Uniform(530, 535)};
        else if (mayLeave && kind < 8)
            p = {Uniform(-300, 1000), Uniform(-300, 900)};
        else
            p = {Uniform(0, 635), Uniform(0, 552)};
        if (!mayLeave)
            p = {std::clamp(p.x(), 0, 635), std::clamp(p.y(), 0, 552)};
        if (p.isNull())
            p = {1, 0}; // QTest reads (0, 0) as the canvas's centre
        return p;
    }

    std::string RandomText(bool printable) {
        std::string s(static_cast<std::size_t>(Uniform(0, 12)), ' ');
        for (char& ch : s)
            ch = static_cast<char>(printable ? Uniform(0x20, 0x7e) : Uniform(1, 255));
        return s;
    }

    // Carries out one random action and describes it. Every button but "Quit" is clicked.
    std::string Act() {
        static const char* const buttons[] = {
            "RadioButton1", "RadioButton2", "PushButton1", "PushButton2", "CheckBox1", "CheckBox2",
            "CheckBox3",    "CheckBox4",    "CheckBox5",   "CheckBox6",   "CheckBox7"};
        static const char* const sliders[] = {
            "SpeedSlider",  "UnitSlider",      "BlackPosSlider", "BlackLengthSlider",
            "RedPosSlider", "RedLengthSlider", "TimeSlider"};
        static const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                       Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        std::ostringstream what;
        fw::Canvas* canvas = window->Canvas1();
        mouseAction = false;
        textAction = false;
        mouseProblem.clear();
        mostChangesPerWrite = 0;

        // Weights of the actions below. While the button is held on the canvas the mouse
        // clicks nothing else, and mostly goes on with its press.
        std::discrete_distribution<int> pick =
            held ? std::discrete_distribution<int>{0, 6, 6, 8, 3, 2, 75}
                 : std::discrete_distribution<int>{8, 12, 12, 15, 10, 5, 38};
        switch (pick(rng)) {
        case 0: {
            const char* name = buttons[Uniform(0, std::size(buttons) - 1)];
            what << "click " << name;
            Click(Button(name));
            break;
        }
        case 1: {
            const char* name = sliders[Uniform(0, std::size(sliders) - 1)];
            QSlider* s = Slider(name);
            const int v = Uniform(s->minimum() - 2, s->maximum() + 2);
            what << "set " << name << " to " << v;
            s->setValue(v);
            break;
        }
        case 2: {
            const char* name = sliders[Uniform(0, std::size(sliders) - 1)];
            const Qt::Key key = keys[Uniform(0, std::size(keys) - 1)];
            what << "key " << key << " on " << name;
            QTest::keyClick(Slider(name), key);
            break;
        }
        case 3: {
            textAction = true;
            const std::string text = Chance(0.5)
                                         ? awkwardSpeeds[Uniform(0, awkwardSpeeds.size() - 1)]
                                         : RandomText(false);
            what << "write speed text of " << text.size() << " bytes \"" << text.substr(0, 40)
                 << "\"";
            const int before = textChanges;
            window->EditField2()->setText(QString::fromLatin1(text.data(), text.size()));
            mostChangesPerWrite = textChanges - before;
            if (mostChangesPerWrite == 2)
                ++reached.rejections;
            const double shown = fw::Val(window->EditField2()->text().toStdString());
            if (mostChangesPerWrite > 0 && !(-1.0 < shown && shown < 1.0))
                ++reached.doubleRejections; // the correction itself was rejected
            break;
        }
        case 4: {
            textAction = true;
            std::string text = Chance(0.5) ? awkwardSpeeds[Uniform(0, awkwardSpeeds.size() - 1)]
                                           : RandomText(true);
            text = text.substr(0, 24);
            const bool replace = Chance(0.5);
            what << (replace ? "type over the speed text: \"" : "type into the speed text: \"")
                 << text << "\"";
            if (replace)
                window->EditField2()->selectAll();
            else
                window->EditField2()->setCursorPosition(
                    Uniform(0, window->EditField2()->text().size()));
            for (char ch : text) {
                const int before = textChanges;
                QTest::keyClick(window->EditField2(), ch);
                mostChangesPerWrite = std::max(mostChangesPerWrite, textChanges - before);
            }
            break;
        }
        case 5: {
            textAction = true;
            const Qt::Key key = Chance(0.5) ? Qt::Key_Backspace : Qt::Key_Delete;
            what << "key " << key << " in the speed text";
            window->EditField2()->setCursorPosition(
                Uniform(0, window->EditField2()->text().size()));
            QTest::keyClick(window->EditField2(), key);
            mostChangesPerWrite = textChanges;
            break;
        }
        case 6: {
            mouseAction = true;
            const bool wasDragging = draggingOrigin, wasMarked = eventMarked;
            const QPoint origin(originX, originY);
            const int refreshes = canvas->RefreshCount();
            auto onOrigin = [&](QPoint p) {
                return std::abs(p.x() - origin.x()) <= 7 && std::abs(p.y() - origin.y()) <= 7;
            };
            auto expect = [&](bool ok, const char* problem) {
                if (!ok && mouseProblem.empty())
                    mouseProblem = problem;
            };
            if (!held) {
                const QPoint p = CanvasPoint(false);
                if (Chance(0.3)) {
                    what << "hover at " << p.x() << ", " << p.y();
                    QMouseEvent e(QEvent::MouseMove, QPointF(p), canvas->mapToGlobal(QPointF(p)),
                                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                    QApplication::sendEvent(canvas, &e);
                    expect(fw::MouseCursor(canvas) ==
                               (onOrigin(p) ? fw::Cursor::HandOpen : fw::Cursor::StandardPointer),
                           "wrong cursor");
                    expect(canvas->RefreshCount() == refreshes, "hovering refreshed");
                } else {
                    what << "press at " << p.x() << ", " << p.y();
                    QTest::mousePress(canvas, Qt::LeftButton, {}, p);
                    held = true;
                    if (onOrigin(p)) {
                        expect(draggingOrigin && !eventMarked, "origin not grabbed");
                        expect(canvas->RefreshCount() == refreshes, "grabbing refreshed");
                    } else {
                        expect(eventMarked && !draggingOrigin && QPoint(eventX, eventY) == p,
                               "event not marked at the press");
                        expect(canvas->RefreshCount() == refreshes + 1, "marking not refreshed");
                        ++reached.marks;
                    }
                }
            } else if (Chance(0.8)) {
                const QPoint p = CanvasPoint(true);
                what << "drag to " << p.x() << ", " << p.y();
                QTest::mouseMove(canvas, p);
                const bool moves =
                    wasDragging && 20 < p.x() && p.x() < 616 && 20 < p.y() && p.y() < 533;
                expect(QPoint(originX, originY) == (moves ? p : origin), "origin misplaced");
                expect(canvas->RefreshCount() == refreshes + (moves ? 1 : 0),
                       "drag refreshed wrongly");
                expect(draggingOrigin == wasDragging && eventMarked == wasMarked,
                       "a drag changed the flags");
                reached.originMoves += moves ? 1 : 0;
            } else {
                const QPoint p = CanvasPoint(true);
                what << "release at " << p.x() << ", " << p.y();
                QTest::mouseRelease(canvas, Qt::LeftButton, {}, p);
                held = false;
                expect(canvas->RefreshCount() == refreshes + (wasMarked ? 1 : 0),
                       "release refreshed wrongly");
                expect(QPoint(originX, originY) == origin, "the release moved the origin");
            }
            break;
        }
        }
        return what.str();
    }

    // Everything that must hold after any action; the first thing that does not, or "".
    std::string Problem(const std::string& before, int windowRefreshes, int canvasRefreshes,
                        int textChangesOfAction) const {
        std::ostringstream p;
        if (!mouseProblem.empty())
            p << mouseProblem << "; ";
        if (mostChangesPerWrite > 3)
            p << "the speed field changed " << mostChangesPerWrite << " times in one write; ";
        if (!(-1.0 < beta && beta < 1.0))
            p << "speed " << beta << " outside (-1, 1); ";
        if (unitSetting < 0 || unitSetting > 9 || unitSetting != window->UnitSlider()->value())
            p << "unit setting " << unitSetting << "; ";
        if (timeValue < -500 || timeValue > 500 || timeValue != window->TimeSlider()->value() - 500)
            p << "time " << timeValue << "; ";
        const std::string display =
            fw::Format(static_cast<double>(timeValue) / 72.0 * timeFactor, "-###.00") + timeUnit;
        if (window->EditField14()->text().toStdString() != display)
            p << "time display \"" << window->EditField14()->text().toStdString() << "\", not \""
              << display << "\"; ";
        if (viewpoint != (window->RadioButton2()->isChecked() ? 1 : 0) ||
            window->RadioButton1()->isChecked() == window->RadioButton2()->isChecked())
            p << "viewpoint " << viewpoint << " and the radio buttons disagree; ";

        // The speed field always shows a text of the speed (up to Str's digits); the knob
        // never strays far from the speed.
        const std::string shown = window->EditField2()->text().toStdString();
        if (std::fabs(fw::Val(shown) - beta) > 1e-13 && shown != fw::Str(beta))
            p << "speed field \"" << shown.substr(0, 40) << "\" for speed " << beta << "; ";
        const int knob = window->SpeedSlider()->value();
        if (std::fabs(knob - (20.0 * beta + 20.0)) > 1.5)
            p << "knob " << knob << " for speed " << beta << "; ";
        if (textAction && textChangesOfAction > 0) {
            const double x = fw::Val(shown);
            if (-1.0 < x && x < 1.0 ? beta != x || knob != fw::ToInt32(fw::Round(19.0 * x + 20.0))
                                    : shown != fw::Str(beta))
                p << "speed field \"" << shown.substr(0, 40) << "\", speed " << beta << " and knob "
                  << knob << " out of step after typing; ";
        }
        if (isUpdating)
            p << "guard left set; ";

        if (draggingOrigin && eventMarked)
            p << "dragging and marking at once; ";
        if (!held && (draggingOrigin || eventMarked))
            p << "flags set with the button up; ";
        if (originX < 21 || originX > 615 || originY < 21 || originY > 532)
            p << "origin " << originX << ", " << originY << " outside the band; ";
        if (mouseAction && window->RefreshCount() != windowRefreshes)
            p << "the mouse refreshed the whole window; ";
        if (!mouseAction && window->Canvas1()->RefreshCount() != canvasRefreshes)
            p << "a control refreshed the canvas alone; ";
        if (!p.str().empty())
            p << "(before: " << before << ")";
        return p.str();
    }

    // Where a failure happened, and how to replay it.
    std::string Where(int i, const std::string& action) const {
        std::ostringstream w;
        w << "seed " << soakSeed << ", action " << i << " (replay: SOAK_SEED=" << soakSeed
          << " SOAK_ACTIONS=" << static_cast<long long>(i) + 1 << "): " << action;
        return w.str();
    }

    std::string State() const {
        std::ostringstream s;
        s << "speed " << beta << ", viewpoint " << viewpoint << ", origin " << originX << ", "
          << originY << ", dragging " << draggingOrigin << ", marked " << eventMarked;
        return s.str();
    }

    std::string PaintProblem() {
        fw::RecordingGraphics g;
        window->Canvas1_Paint(window->Canvas1(), g);
        const auto& calls = g.Calls();
        if (calls.empty() || calls.front().op != fw::RecordingGraphics::Op::Fill ||
            calls.front().color != fw::RGB(255, 255, 255))
            return "the paint does not start with the white fill";
        for (const Call& c : calls)
            if (!std::isfinite(c.a) || !std::isfinite(c.b) || !std::isfinite(c.c) ||
                !std::isfinite(c.d))
                return "a drawing call with a coordinate that is no number";
        if (eventMarked) {
            if (calls.size() < 5)
                return "no projection lines";
            for (auto it = calls.end() - 4; it != calls.end(); ++it)
                if (it->op != fw::RecordingGraphics::Op::Line || it->a != eventX || it->b != eventY)
                    return "a projection line that does not start at the event";
            if (window->EditField10()->text().isEmpty() || window->EditField13()->text().isEmpty())
                return "read-outs left empty";
            if (window->EditField6()->text() != window->EditField10()->text() ||
                window->EditField7()->text() != window->EditField11()->text() ||
                window->EditField8()->text() != window->EditField12()->text() ||
                window->EditField9()->text() != window->EditField13()->text())
                return "a read-out differs from its copy in the other group";
        }
        return "";
    }

    // What the actions got to, so that a soak that reaches nothing shows.
    struct Reached {
        int redViewpoint = 0, originMoves = 0, marks = 0, rejections = 0, doubleRejections = 0;
    } reached;

    std::uint32_t soakSeed = defaultSoakSeed; // as in force after SetUp
    int soakActions = defaultSoakActions;
    std::mt19937 rng{defaultSoakSeed};
    int textChanges = 0;         // changes of the speed field's text, counted throughout
    int mostChangesPerWrite = 0; // by one write or one key, in the last action
    std::string mouseProblem;    // what the last mouse action did wrong, if anything
    bool held = false;
    bool mouseAction = false;
    bool textAction = false;
};

TEST_F(SoakTest, RandomActionsKeepTheWindowConsistent) {
    QObject::connect(window->EditField2(), &QLineEdit::textChanged, window->EditField2(),
                     [this] { ++textChanges; });
    const auto start = std::chrono::steady_clock::now();
    int paints = 0, grabs = 0;
    for (int i = 0; i < soakActions; ++i) {
        const std::string before = State();
        const int windowRefreshes = window->RefreshCount();
        const int canvasRefreshes = window->Canvas1()->RefreshCount();
        textChanges = 0;
        const std::string action = Act();
        const std::string problem = Problem(before, windowRefreshes, canvasRefreshes, textChanges);
        ASSERT_EQ(problem, "") << Where(i, action);

        reached.redViewpoint += viewpoint;
        if (i % 50 == 49) {
            ++paints;
            ASSERT_EQ(PaintProblem(), "") << Where(i, action);
        }
        if (i % 250 == 249) {
            ++grabs;
            const QPixmap picture = window->Canvas1()->grab();
            ASSERT_EQ(picture.size(), QSize(636, 553)) << Where(i, action);
        }
        if (i % 500 == 499)
            QCoreApplication::processEvents();
    }
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // That the actions got somewhere is a matter of numbers: a run as long as the default or
    // longer must reach each thing at least as often as the default run is asked to, in
    // proportion to its length. A shorter run, such as a replay up to a failing action, is
    // too short to tell (a rejected correction comes about once in 1300 actions).
    const bool coverageChecked = soakActions >= defaultSoakActions;
    if (coverageChecked) {
        const long long floor = 100LL * soakActions / defaultSoakActions;
        EXPECT_GT(reached.redViewpoint, soakActions / 10);
        EXPECT_LT(reached.redViewpoint, soakActions - soakActions / 10);
        EXPECT_GT(reached.originMoves, floor);
        EXPECT_GT(reached.marks, floor);
        EXPECT_GT(reached.rejections, floor);
        EXPECT_GT(reached.doubleRejections, 0);
    }
    std::cout << "[ soak     ] " << soakActions << " actions, " << paints << " recorded paints, "
              << grabs << " painted pictures in " << seconds << " s (seed " << soakSeed << "; "
              << reached.originMoves << " origin moves, " << reached.marks << " events marked, "
              << reached.rejections << " speeds rejected, " << reached.doubleRejections
              << " corrections rejected"
              << (coverageChecked ? "" : "; too short to check what it reached") << ")\n";
}

} // namespace
} // namespace varnel::test
