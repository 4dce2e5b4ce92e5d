// How the main window's sliders look: every knob is drawn whole within the slider's 16 px,
// also where tick marks above the groove take room from it.
#include "AppTestSupport.h"

#include "framework/Controls.h"

#include <QApplication>
#include <QImage>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <string>

namespace varnel::test {

namespace {

QRect PartRect(const QSlider* slider, const QStyle* style, QStyle::SubControl part) {
    const QStyleOptionSlider option = StyleOptionOf<QStyleOptionSlider>(slider);
    return style->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

// The knob's place as the slider's own style reports it.
QRect HandleRect(const QSlider* slider) {
    return PartRect(slider, slider->style(), QStyle::SC_SliderHandle);
}

// What a grab of the slider shows: the background at the top corner away from the knob, and
// which pixels stand out from it, as outlines and tick marks do.
class SliderPicture {
public:
    SliderPicture(QSlider* slider, const QRect& handle) : image_(slider->grab().toImage()) {
        const int far = handle.center().x() < image_.width() / 2 ? image_.width() - 1 : 0;
        background_ = qGray(image_.pixel(far, 0));
    }

    int Height() const { return image_.height(); }
    int Width() const { return image_.width(); }
    bool Marked(int x, int y) const { return qGray(image_.pixel(x, y)) < background_ - 40; }

    // The knob's lower edge: in its middle column, below its centre, an outline pixel.
    bool ShowsLowerEdgeOf(const QRect& handle) const {
        for (int y = handle.center().y() + 1; y < Height(); ++y)
            if (Marked(handle.center().x(), y))
                return true;
        return false;
    }

    // The lowest row of the tick marks: of the pixels marked above row `bottom` in the columns
    // beside the knob, the lowest; -1 for none.
    int TicksBottom(int bottom, const QRect& handle) const {
        int lowest = -1;
        for (int x = 0; x < Width(); ++x)
            if (x < handle.left() - 1 || x > handle.right() + 1)
                for (int y = 0; y < bottom; ++y)
                    if (Marked(x, y))
                        lowest = std::max(lowest, y);
        return lowest;
    }

    // The knob's upper edge: beside its middle column, where a tick may stand above it, the
    // first marked pixel from the top; -1 for none.
    int UpperEdgeOf(const QRect& handle) const {
        const int x = handle.center().x() + 3;
        for (int y = 0; y < Height(); ++y)
            if (Marked(x, y))
                return y;
        return -1;
    }

    // The tick marks in the rows above `bottom`: runs of columns with a marked pixel.
    int TicksAbove(int bottom) const {
        int ticks = 0;
        bool inTick = false;
        for (int x = 0; x < Width(); ++x) {
            bool marked = false;
            for (int y = 0; y < bottom; ++y)
                marked = marked || Marked(x, y);
            ticks += marked && !inTick ? 1 : 0;
            inTick = marked;
        }
        return ticks;
    }

private:
    QImage image_;
    int background_ = 0;
};

struct SliderRow {
    const char* name;
    QSlider* (*slider)(const Window1&);
};

#define SLIDER(n) #n, [](const Window1& w) { return w.n(); }

} // namespace

using SliderLookTest = MainWindowTest;

// The tick marks above the groove push the knob down; it still ends inside the slider, drawn
// with its lower outline, its upper outline stands below the ticks, and a tick for every value
// stays in the rows above groove and knob.
TEST_F(SliderLookTest, TickSlidersShowTheirKnobWholeBelowTheTicks) {
    const SliderRow rows[] = {
        {SLIDER(UnitSlider)},   {SLIDER(BlackPosSlider)},  {SLIDER(BlackLengthSlider)},
        {SLIDER(RedPosSlider)}, {SLIDER(RedLengthSlider)},
    };
    for (const SliderRow& row : rows) {
        SCOPED_TRACE(row.name);
        QSlider* slider = row.slider(*window);
        ASSERT_EQ(slider->tickPosition(), QSlider::TicksAbove);
        ASSERT_EQ(slider->height(), 16);
        const QRect handle = HandleRect(slider);
        EXPECT_TRUE(slider->rect().contains(handle)) << "handle " << Text(handle);

        const SliderPicture picture(slider, handle);
        EXPECT_TRUE(picture.ShowsLowerEdgeOf(handle)) << "handle " << Text(handle);
        const QRect groove = PartRect(slider, slider->style(), QStyle::SC_SliderGroove);
        EXPECT_EQ(picture.TicksAbove(std::min(groove.top(), handle.top())),
                  slider->maximum() - slider->minimum() + 1)
            << "groove " << Text(groove) << ", handle " << Text(handle);

        // The knob stands below the ticks, as drawn: its upper edge shows in its top rows, and
        // the ticks end above it and above the groove.
        const int upperEdge = picture.UpperEdgeOf(handle);
        EXPECT_GE(upperEdge, handle.top()) << "handle " << Text(handle);
        EXPECT_LE(upperEdge, handle.top() + 2) << "handle " << Text(handle);
        const int ticksBottom = picture.TicksBottom(groove.top(), handle);
        EXPECT_GE(ticksBottom, 0) << "no ticks above the groove " << Text(groove);
        EXPECT_LT(ticksBottom, handle.top()) << "handle " << Text(handle);
        EXPECT_LT(ticksBottom, upperEdge);
    }
}

// A slider without ticks keeps the knob the application's style gives it, whole.
TEST_F(SliderLookTest, SlidersWithoutTicksKeepTheirKnob) {
    const SliderRow rows[] = {{SLIDER(SpeedSlider)}, {SLIDER(TimeSlider)}};
    for (const SliderRow& row : rows) {
        SCOPED_TRACE(row.name);
        QSlider* slider = row.slider(*window);
        ASSERT_EQ(slider->tickPosition(), QSlider::NoTicks);
        const QRect handle = HandleRect(slider);
        EXPECT_EQ(Text(handle),
                  Text(PartRect(slider, QApplication::style(), QStyle::SC_SliderHandle)));
        EXPECT_TRUE(slider->rect().contains(handle)) << "handle " << Text(handle);
        EXPECT_TRUE(SliderPicture(slider, handle).ShowsLowerEdgeOf(handle));
    }
}

// The knob of a slider with ticks takes the slider's height below the ticks, whatever that
// height from the lowest with room for a knob, 6 px, on: it ends on the last row, with the
// ticks above it.
TEST(TickSliderHeights, KnobEndsOnTheLastRowBelowTheTicks) {
    QWidget content;
    content.resize(200, 100);
    for (const int height : {6, 7, 14, 16, 17, 20, 25}) {
        const std::string name = "height " + std::to_string(height);
        SCOPED_TRACE(name);
        const fw::ControlLayout values{.name = name.c_str(),
                                       .cls = fw::ControlClass::Slider,
                                       .width = 131,
                                       .height = height,
                                       .value = 3,
                                       .minimum = 0,
                                       .maximum = 9,
                                       .tickMarkStyle = 2};
        auto* slider = dynamic_cast<QSlider*>(fw::MakeControl(values, &content));
        ASSERT_NE(slider, nullptr);
        fw::SetControlValues(slider, values, &content);
        ASSERT_EQ(slider->height(), height);

        const QRect handle = HandleRect(slider);
        EXPECT_EQ(handle.bottom(), height - 1) << "handle " << Text(handle);
        EXPECT_GE(handle.top(), 0) << "handle " << Text(handle);
        const SliderPicture picture(slider, handle);
        EXPECT_TRUE(picture.ShowsLowerEdgeOf(handle)) << "handle " << Text(handle);
        const QRect groove = PartRect(slider, slider->style(), QStyle::SC_SliderGroove);
        const int ticksBottom = picture.TicksBottom(groove.top(), handle);
        EXPECT_GE(ticksBottom, 0) << "no ticks above the groove " << Text(groove);
        EXPECT_LT(ticksBottom, handle.top()) << "handle " << Text(handle);
    }
}

} // namespace varnel::test
