// The handlers of the main window's controls: they turn the user's choices into the
// diagram's state, keep the two speed controls in step and have the window repainted.
#include "app/Window1.h"

#include "diagram/Scales.h"
#include "diagram/State.h"
#include "framework/Application.h"
#include "framework/Numbers.h"

namespace varnel {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

void Refresh() { Window1Instance()->Refresh(); }

// Choosing the other viewpoint negates the speed; the slider mirrors about its middle.
void ChangeViewpoint(std::int32_t to) {
    viewpoint = to;
    beta = -beta;
    isUpdating = true;
    Window1Instance()->EditField2()->setText(Text(fw::Str(beta)));
    Window1Instance()->SpeedSlider()->setValue(
        KnobOfOppositeSpeed(Window1Instance()->SpeedSlider()->value()));
    isUpdating = false;
    Refresh();
}

} // namespace

void Window1::RadioButton1_Action(QWidget*) {
    if (viewpoint == 1)
        ChangeViewpoint(0);
}

void Window1::RadioButton2_Action(QWidget*) {
    if (viewpoint == 0)
        ChangeViewpoint(1);
}

void Window1::SpeedSlider_ValueChanged(QWidget*) {
    if (isUpdating)
        return;
    beta = SpeedOfKnob(Window1Instance()->SpeedSlider()->value());
    isUpdating = true;
    Window1Instance()->EditField2()->setText(Text(fw::Str(beta)));
    isUpdating = false;
    Refresh();
}

// A typed speed strictly inside (-1, 1) is taken; anything else is replaced by the current
// speed. The replacement is written unguarded, so it comes back here once more and is taken
// like a typed value. Writing a text equal to the field's raises nothing, so when even the
// current speed's text reads as +-1 the correction ends at the second write.
void Window1::EditField2_TextChange(QWidget*) {
    if (isUpdating)
        return;
    const double x = fw::Val(Window1Instance()->EditField2()->text().toStdString());
    if (-1.0 < x && x < 1.0) {
        beta = x;
        isUpdating = true;
        Window1Instance()->SpeedSlider()->setValue(KnobOfSpeed(x));
        isUpdating = false;
        Refresh();
    } else {
        Window1Instance()->EditField2()->setText(Text(fw::Str(beta)));
    }
}

void Window1::UnitSlider_ValueChanged(QWidget*) {
    unitSetting = Window1Instance()->UnitSlider()->value();
    SetUnits();
    WriteTimeDisplay();
    Refresh();
}

void Window1::TimeSlider_ValueChanged(QWidget*) {
    timeValue = Window1Instance()->TimeSlider()->value() - timeSliderZero;
    WriteTimeDisplay();
    Refresh();
}

void Window1::WriteTimeDisplay() {
    const double d = static_cast<double>(timeValue) / gridUnit;
    const double t = d * static_cast<double>(timeFactor);
    Window1Instance()->EditField14()->setText(Text(fw::Format(t, "-###.00") + timeUnit));
}

// "back" and "ahead" move the time slider only; its own handler does the rest.
void Window1::PushButton1_Action(QWidget*) { TimeSlider()->setValue(TimeSlider()->value() - 1); }

void Window1::PushButton2_Action(QWidget*) { TimeSlider()->setValue(TimeSlider()->value() + 1); }

void Window1::PushButton3_Action(QWidget*) { fw::Quit(0); }

// The object and light-cone controls are read afresh at every drawing.
void Window1::BlackPosSlider_ValueChanged(QWidget*) { Refresh(); }
void Window1::BlackLengthSlider_ValueChanged(QWidget*) { Refresh(); }
void Window1::CheckBox1_Action(QWidget*) { Refresh(); }
void Window1::CheckBox2_Action(QWidget*) { Refresh(); }
void Window1::CheckBox3_Action(QWidget*) { Refresh(); }
void Window1::RedPosSlider_ValueChanged(QWidget*) { Refresh(); }
void Window1::RedLengthSlider_ValueChanged(QWidget*) { Refresh(); }
void Window1::CheckBox4_Action(QWidget*) { Refresh(); }
void Window1::CheckBox5_Action(QWidget*) { Refresh(); }
void Window1::CheckBox6_Action(QWidget*) { Refresh(); }
void Window1::CheckBox7_Action(QWidget*) { Refresh(); }

} // namespace varnel
