// How the main window's sliders look: every knob is drawn whole within the slider's 16 px,
// also where tick marks above the groove take room from it.
#include "AppTestSupport.h"

#include <QApplication>
#include <QImage>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <string>

namespace varnel::test {

namespace {

// The style option a slider paints itself with (QSlider keeps its builder protected).
struct SliderOption : QSlider {
    static QStyleOptionSlider Of(const QSlider* slider) {
        QStyleOptionSlider option;
        (slider->*&SliderOption::initStyleOption)(&option);
        return option;
    }
};

QRect PartRect(const QSlider* slider, const QStyle* style, QStyle::SubControl part) {
    const QStyleOptionSlider option = SliderOption::Of(slider);
    return style->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

// The knob's place as the slider's own style reports it.
QRect HandleRect(const QSlider* slider) {
    return PartRect(slider, slider->style(), QStyle::SC_SliderHandle);
}

std::string Text(const QRect& r) {
    return "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
           std::to_string(r.width()) + "x" + std::to_string(r.height()) + ")";
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
// with its lower outline, and a tick for every value stays in the rows above groove and knob.
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

} // namespace varnel::test
