// The mouse on the diagram canvas: grabbing and dragging the origin, marking an event, the
// cursor over the origin, and what each step repaints.
#include "AppTestSupport.h"

#include "framework/Controls.h"
#include "framework/Numbers.h"
#include "framework/RecordingGraphics.h"

#include <QMouseEvent>
#include <QTest>

#include <array>
#include <cstdint>
#include <limits>

namespace varnel::test {
namespace {

class CanvasMouseTest : public MainWindowTest {
protected:
    void TearDown() override {
        // A press left held by a failed check would follow the next test around.
        Release({1, 1});
        MainWindowTest::TearDown();
    }

    fw::Canvas* Canvas() const { return window->Canvas1(); }

    // QTest takes the point (0, 0) for "the centre"; the cases here never use it.
    void Press(QPoint p) { QTest::mousePress(Canvas(), Qt::LeftButton, {}, p); }
    void Drag(QPoint p) { QTest::mouseMove(Canvas(), p); }
    void Release(QPoint p) { QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, p); }
    // The pointer moving over the canvas with no button held.
    void Hover(QPoint p) { Send(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
    // One mouse event at a canvas position, which may lie beyond the int32 range.
    void Send(QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, p, p, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &e);
    }

    // Moves the origin the way the user does: grab it and drag it there.
    void MoveOriginTo(QPoint p) {
        Press({originX, originY});
        Drag(p);
        Release(p);
    }

    int CanvasRefreshes() const { return Canvas()->RefreshCount(); }
    int WindowRefreshes() const { return window->RefreshCount(); }

    std::array<QString, 8> ReadOuts() const {
        return {window->EditField10()->text(), window->EditField6()->text(),
                window->EditField11()->text(), window->EditField7()->text(),
                window->EditField12()->text(), window->EditField8()->text(),
                window->EditField13()->text(), window->EditField9()->text()};
    }
};

// The origin's square reaches 7 pixels to each side; 8 pixels off is no longer on it.
struct HitCase {
    const char* name;
    int dx, dy;
    bool onOrigin;
};

// clang-format off
const HitCase hitCases[] = {
    {"on the origin", 0, 0, true},
    {"seven right and below", 7, 7, true},
    {"seven left and above", -7, -7, true},
    {"seven right and above", 7, -7, true},
    {"seven left and below", -7, 7, true},
    {"eight right", 8, 0, false},
    {"eight left", -8, 0, false},
    {"eight below", 0, 8, false},
    {"eight above", 0, -8, false},
    {"seven right and eight below", 7, 8, false},
};
// clang-format on

TEST_F(CanvasMouseTest, OriginSquareDecidesCursorAndWhatAPressDoes) {
    struct Origin {
        const char* name;
        bool moved;
        QPoint at;
    };
    const Origin origins[] = {{"origin where it starts", false, {300, 400}},
                              {"origin after it was dragged", true, {150, 120}}};
    for (const Origin& origin : origins) {
        for (const HitCase& c : hitCases) {
            SCOPED_TRACE(std::string(origin.name) + ": " + c.name);
            Reopen();
            if (origin.moved)
                MoveOriginTo(origin.at);
            ASSERT_EQ(QPoint(originX, originY), origin.at);
            const QPoint p = origin.at + QPoint(c.dx, c.dy);
            const QPoint away = origin.at + QPoint(40, 40);
            const int window0 = WindowRefreshes(), canvas0 = CanvasRefreshes();

            // Entering and leaving the square with no button held.
            Hover(away);
            EXPECT_EQ(fw::MouseCursor(Canvas()), fw::Cursor::StandardPointer);
            Hover(p);
            EXPECT_EQ(fw::MouseCursor(Canvas()),
                      c.onOrigin ? fw::Cursor::HandOpen : fw::Cursor::StandardPointer);
            Hover(away);
            EXPECT_EQ(fw::MouseCursor(Canvas()), fw::Cursor::StandardPointer);
            EXPECT_EQ(CanvasRefreshes(), canvas0) << "moving the pointer repaints nothing";

            Press(p);
            EXPECT_EQ(draggingOrigin, c.onOrigin);
            EXPECT_EQ(eventMarked, !c.onOrigin);
            if (!c.onOrigin) {
                EXPECT_EQ(eventX, p.x());
                EXPECT_EQ(eventY, p.y());
            }
            EXPECT_EQ(CanvasRefreshes(), canvas0 + (c.onOrigin ? 0 : 1));

            // The release reaches the canvas because every press asks for it.
            Release(p);
            EXPECT_FALSE(draggingOrigin);
            EXPECT_FALSE(eventMarked);
            EXPECT_EQ(CanvasRefreshes(), canvas0 + (c.onOrigin ? 0 : 2))
                << "grabbing and letting go of the origin repaints nothing";
            EXPECT_EQ(QPoint(originX, originY), origin.at);
            EXPECT_EQ(WindowRefreshes(), window0);
        }
    }
}

// The origin may be dragged to any point more than 20 pixels inside the canvas (636 x 553).
struct BandCase {
    const char* name;
    QPoint to;
    bool accepted;
};

const BandCase bandCases[] = {
    {"on the left margin", {20, 300}, false},
    {"just inside the left margin", {21, 300}, true},
    {"just inside the right margin", {615, 300}, true},
    {"on the right margin", {616, 300}, false},
    {"on the top margin", {300, 20}, false},
    {"just inside the top margin", {300, 21}, true},
    {"just inside the bottom margin", {300, 532}, true},
    {"on the bottom margin", {300, 533}, false},
    {"innermost top-left corner", {21, 21}, true},
    {"innermost bottom-right corner", {615, 532}, true},
    {"left of the canvas", {-40, 300}, false},
    {"below the canvas", {300, 700}, false},
};

TEST_F(CanvasMouseTest, DraggedOriginStaysInsideTheBand) {
    for (const BandCase& c : bandCases) {
        SCOPED_TRACE(c.name);
        Reopen();
        const int window0 = WindowRefreshes();
        Press({300, 400});
        const int canvas0 = CanvasRefreshes();

        Drag(c.to);
        const QPoint expected = c.accepted ? c.to : QPoint(300, 400);
        EXPECT_EQ(QPoint(originX, originY), expected);
        EXPECT_EQ(CanvasRefreshes(), canvas0 + (c.accepted ? 1 : 0));
        EXPECT_FALSE(eventMarked) << "dragging the origin marks no event";

        Release(c.to);
        EXPECT_FALSE(draggingOrigin);
        EXPECT_EQ(CanvasRefreshes(), canvas0 + (c.accepted ? 1 : 0))
            << "the end of a drag redraws nothing";

        // With the button up the pointer no longer carries the origin.
        Hover({200, 200});
        EXPECT_EQ(QPoint(originX, originY), expected);
        EXPECT_EQ(WindowRefreshes(), window0);
    }
}

TEST_F(CanvasMouseTest, OriginWaitsAtTheBandsEdgeAndFollowsThePointerBack) {
    struct Step {
        const char* name;
        QPoint pointer;
        QPoint origin;
        int refreshes;
    };
    const Step steps[] = {
        {"into the band", {400, 300}, {400, 300}, 1},
        {"out over the left margin", {10, 300}, {400, 300}, 0},
        {"out below the canvas", {300, 560}, {400, 300}, 0},
        {"far outside the canvas", {-100, 900}, {400, 300}, 0},
        {"back into the band", {200, 150}, {200, 150}, 1},
        {"onto the right margin", {616, 150}, {200, 150}, 0},
        {"one pixel inside it", {615, 150}, {615, 150}, 1},
        {"to the same point again", {615, 150}, {615, 150}, 1},
    };
    Press({300, 400});
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        const int canvas0 = CanvasRefreshes();
        Drag(s.pointer);
        EXPECT_EQ(QPoint(originX, originY), s.origin);
        EXPECT_EQ(CanvasRefreshes(), canvas0 + s.refreshes);
        EXPECT_TRUE(draggingOrigin);
    }
    Release({-100, 900});
    EXPECT_FALSE(draggingOrigin);
    EXPECT_EQ(QPoint(originX, originY), QPoint(615, 150));
    EXPECT_EQ(window->RefreshCount(), 0);
}

TEST_F(CanvasMouseTest, DragAfterAPressAwayFromTheOriginMovesNothing) {
    const QPoint event{100, 100};
    Press(event);
    ASSERT_TRUE(eventMarked);
    fw::RecordingGraphics atPress;
    window->Canvas1_Paint(Canvas(), atPress);
    const auto readOuts = ReadOuts();
    const int canvas0 = CanvasRefreshes();

    // Over the origin itself, elsewhere on the canvas and off it.
    for (QPoint p : {QPoint(300, 400), QPoint(200, 200), QPoint(700, 700), QPoint(-5, 30)}) {
        SCOPED_TRACE(testing::Message() << "pointer at " << p.x() << ", " << p.y());
        Drag(p);
        EXPECT_EQ(QPoint(eventX, eventY), event);
        EXPECT_EQ(QPoint(originX, originY), QPoint(300, 400));
        EXPECT_FALSE(draggingOrigin);
        EXPECT_EQ(CanvasRefreshes(), canvas0);
        fw::RecordingGraphics now;
        window->Canvas1_Paint(Canvas(), now);
        EXPECT_EQ(ReadOuts(), readOuts) << "the read-outs stay those of the press point";
        EXPECT_EQ(now.Calls(), atPress.Calls());
    }

    Release({-5, 30});
    EXPECT_FALSE(eventMarked);
    EXPECT_EQ(CanvasRefreshes(), canvas0 + 1);
    EXPECT_EQ(ReadOuts(), readOuts);
    EXPECT_EQ(window->RefreshCount(), 0);
}

// A release can go elsewhere, for instance when a dialog opens during the press. The next
// move without a button then ends the press, so that nothing stays grabbed or marked, and
// later moves are plain hovering again.
TEST_F(CanvasMouseTest, APressWhoseReleaseWentElsewhereEndsAtTheNextMove) {
    struct Case {
        const char* name;
        QPoint press;
    };
    const Case cases[] = {
        {"an event marked", {372, 256}},
        {"the origin grabbed", {300, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        Press(c.press);
        ASSERT_TRUE(eventMarked || draggingOrigin);
        Hover({200, 200}); // the button is up, but no release reached the canvas
        EXPECT_FALSE(eventMarked);
        EXPECT_FALSE(draggingOrigin);
        EXPECT_EQ(QPoint(originX, originY), QPoint(300, 400)) << "the origin did not follow";
        // Hovering is hovering again: the open hand over the origin, the arrow elsewhere.
        Hover({305, 395});
        EXPECT_EQ(fw::MouseCursor(Canvas()), fw::Cursor::HandOpen);
        Hover({200, 200});
        EXPECT_EQ(fw::MouseCursor(Canvas()), fw::Cursor::StandardPointer);
        EXPECT_FALSE(eventMarked || draggingOrigin);

        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, {200, 200}); // Qt's own bookkeeping
        Press({372, 256});
        EXPECT_TRUE(eventMarked) << "the next press is taken";
        Release({372, 256});
    }
}

// A press with no other button held starts a new press, also when the last press's release
// never reached the canvas. The open press is forgotten without its MouseUp, so an event
// still marked stays marked at its old point while the origin is dragged.
TEST_F(CanvasMouseTest, APressAfterALostReleaseStartsAfresh) {
    const QPoint event{372, 256};
    Press(event); // its release goes elsewhere
    ASSERT_TRUE(eventMarked);

    // Onto the origin: the event stays marked, its read-outs follow the origin.
    const int canvas0 = CanvasRefreshes();
    Press({300, 400});
    EXPECT_TRUE(draggingOrigin);
    EXPECT_TRUE(eventMarked);
    EXPECT_EQ(QPoint(eventX, eventY), event);
    EXPECT_EQ(CanvasRefreshes(), canvas0) << "grabbing the origin repaints nothing";

    Drag({444, 400});
    EXPECT_EQ(QPoint(originX, originY), QPoint(444, 400));
    EXPECT_EQ(QPoint(eventX, eventY), event);
    EXPECT_EQ(CanvasRefreshes(), canvas0 + 1);
    fw::RecordingGraphics g;
    window->Canvas1_Paint(Canvas(), g);
    // The event is now 144 px above and 72 px left of the origin: at beta 0.6, black says
    // 180 px (25 ns) and -72 + 144 * 0.75 = 36 px (1.5 m), red 144 + 72 * 0.75 = 198 px
    // (27.5 ns) and -72 / 0.8 = -90 px (-3.75 m).
    EXPECT_EQ(ReadOuts(), (std::array<QString, 8>{"25.00 ns", "25.00 ns", "1.50 m", "1.50 m",
                                                  "27.50 ns", "27.50 ns", "-3.75 m", "-3.75 m"}));

    Release({444, 400});
    EXPECT_FALSE(draggingOrigin);
    EXPECT_FALSE(eventMarked);
    EXPECT_EQ(CanvasRefreshes(), canvas0 + 2) << "the release ends the marking and repaints";

    // Away from the origin: the new press marks its own event.
    Press({100, 120}); // lost again
    Press({200, 150});
    EXPECT_TRUE(eventMarked);
    EXPECT_EQ(QPoint(eventX, eventY), QPoint(200, 150));
    Release({200, 150});
    EXPECT_FALSE(eventMarked);

    // A second button pressed while the first is held belongs to the first press.
    Press({372, 256});
    Send(QEvent::MouseButtonPress, QPointF(444, 400), Qt::RightButton,
         Qt::LeftButton | Qt::RightButton);
    EXPECT_FALSE(draggingOrigin) << "the origin under the second button is not grabbed";
    EXPECT_EQ(QPoint(eventX, eventY), QPoint(372, 256));
    Send(QEvent::MouseButtonRelease, QPointF(444, 400), Qt::RightButton, Qt::LeftButton);
    EXPECT_TRUE(eventMarked) << "the press goes on while the first button is held";
    Release({372, 256});
    EXPECT_FALSE(eventMarked);
}

// Pointer positions far off the canvas arrive saturated at the int32 bounds; Qt's own
// positions can lie beyond them. Hit test, drag band, read-outs and drawing must take them
// with the origin anywhere in its band.
struct FarCase {
    const char* name;
    QPointF at;
    QPoint pixel; // the position as the handlers get it
};

constexpr int int32Min = std::numeric_limits<std::int32_t>::min();
constexpr int int32Max = std::numeric_limits<std::int32_t>::max();

const FarCase farCases[] = {
    {"x at the int32 minimum", {double(int32Min), 300}, {int32Min, 300}},
    {"x at the int32 maximum", {double(int32Max), 300}, {int32Max, 300}},
    {"y at the int32 minimum", {300, double(int32Min)}, {300, int32Min}},
    {"y at the int32 maximum", {300, double(int32Max)}, {300, int32Max}},
    {"far left of the int32 range", {-3e9, 300}, {int32Min, 300}},
    {"far below the int32 range", {300, 3e9}, {300, int32Max}},
    {"beyond in both directions", {-1e300, 1e300}, {int32Min, int32Max}},
};

TEST_F(CanvasMouseTest, FarPositionsArePressedDraggedPaintedAndReleasedSafely) {
    const QPoint origins[] = {{21, 21}, {615, 532}, {300, 400}};
    for (const QPoint origin : origins) {
        for (const FarCase& c : farCases) {
            SCOPED_TRACE(testing::Message()
                         << c.name << ", origin at " << origin.x() << ", " << origin.y());
            Reopen();
            MoveOriginTo(origin);
            ASSERT_EQ(QPoint(originX, originY), origin);

            Send(QEvent::MouseMove, c.at, Qt::NoButton, Qt::NoButton);
            EXPECT_EQ(fw::MouseCursor(Canvas()), fw::Cursor::StandardPointer);

            // Dragging the origin there leaves it where it is.
            Send(QEvent::MouseButtonPress, QPointF(origin), Qt::LeftButton, Qt::LeftButton);
            ASSERT_TRUE(draggingOrigin);
            Send(QEvent::MouseMove, c.at, Qt::NoButton, Qt::LeftButton);
            EXPECT_EQ(QPoint(originX, originY), origin);
            Send(QEvent::MouseButtonRelease, c.at, Qt::LeftButton, Qt::NoButton);
            EXPECT_FALSE(draggingOrigin);

            // An event marked there: the read-outs and the painted canvas.
            Send(QEvent::MouseButtonPress, c.at, Qt::LeftButton, Qt::LeftButton);
            EXPECT_TRUE(eventMarked);
            EXPECT_EQ(QPoint(eventX, eventY), c.pixel);
            fw::RecordingGraphics g;
            window->Canvas1_Paint(Canvas(), g);
            const double dt = double(origin.y()) - c.pixel.y();
            const double dx = double(c.pixel.x()) - origin.x();
            // Black's time at beta 0.6 is dt / 0.8 px; 72 px are 10 ns.
            EXPECT_EQ(window->EditField10()->text().toStdString(),
                      fw::Format(dt / 0.8 * 10 / 72.0, "-##.00") + " ns");
            EXPECT_EQ(window->EditField13()->text().toStdString(),
                      fw::Format(dx / 0.8 * 3 / 72.0, "-##.00") + " m");
            EXPECT_FALSE(Canvas()->grab().isNull());
            Send(QEvent::MouseMove, c.at, Qt::NoButton, Qt::LeftButton);
            EXPECT_EQ(QPoint(eventX, eventY), c.pixel);
            Send(QEvent::MouseButtonRelease, c.at, Qt::LeftButton, Qt::NoButton);
            EXPECT_FALSE(eventMarked);
        }
    }
}

} // namespace
} // namespace varnel::test
