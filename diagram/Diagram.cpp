#include "diagram/Diagram.h"

#include "app/Window1.h"
#include "diagram/KoordSys.h"
#include "diagram/Scales.h"
#include "diagram/State.h"
#include "diagram/Thing.h"
#include "framework/Graphics.h"
#include "framework/Numbers.h"
#include "framework/Printing.h"

#include <cmath>
#include <memory>

namespace varnel {

using fw::RGB;

void InitDiagram() {
    blackSystem = std::make_shared<KoordSys>();
    blackSystem->cl = RGB(0, 0, 0);
    blackSystem->sinPhiTime = -0.6;
    blackSystem->sinPhiSpace = 0.0;

    redSystem = std::make_shared<KoordSys>();
    redSystem->cl = RGB(255, 0, 0);
    redSystem->sinPhiTime = 0.0;
    redSystem->sinPhiSpace = -0.6;

    SetUnits();
    eventMarked = false;
    draggingOrigin = false;
    printerSetup = std::make_shared<fw::PrinterSetup>();

    blackObject = std::make_shared<Thing>();
    blackObject->index = 0;
    blackObject->cl = RGB(100, 100, 100);
    blackObject->position = 2;
    blackObject->length = rodStartLength;
    blackObject->isVisible = false;
    blackObject->hasShadow = false;
    blackObject->hasTrace = false;

    redObject = std::make_shared<Thing>();
    redObject->index = 1;
    redObject->cl = RGB(200, 0, 0);
    redObject->position = 0;
    redObject->length = rodStartLength;
    redObject->isVisible = false;
    redObject->hasShadow = false;
    redObject->hasTrace = false;

    canvasWidth = Window1Instance()->Canvas1()->width();
    canvasHeight = Window1Instance()->Canvas1()->height();
}

void DrawDiagram(fw::Graphics& g) {
    const std::int32_t ox = originX, oy = originY;

    SetFrameTilts(*blackSystem, *redSystem);

    // The objects mirror the controls at the moment of drawing.
    blackObject->isVisible = Window1Instance()->CheckBox1()->isChecked();
    blackObject->hasTrace = Window1Instance()->CheckBox2()->isChecked();
    blackObject->hasShadow = Window1Instance()->CheckBox3()->isChecked();
    blackObject->length = Window1Instance()->BlackLengthSlider()->value() * rodLengthStep;
    blackObject->position = Window1Instance()->BlackPosSlider()->value();
    redObject->isVisible = Window1Instance()->CheckBox4()->isChecked();
    redObject->hasTrace = Window1Instance()->CheckBox6()->isChecked();
    redObject->hasShadow = Window1Instance()->CheckBox5()->isChecked();
    redObject->length = Window1Instance()->RedLengthSlider()->value() * rodLengthStep;
    redObject->position = Window1Instance()->RedPosSlider()->value();

    // Calibration circles, one grid unit apart, in the pen width the surface has.
    g.ForeColor(RGB(220, 220, 220));
    for (std::int32_t i = 1; i <= 10; ++i)
        g.DrawOval(ox - gridUnit * i, oy - gridUnit * i, 2 * gridUnit * i, 2 * gridUnit * i);

    if (Window1Instance()->CheckBox7()->isChecked()) {
        // The light cone bisects the angle between the space and the time axis.
        const double X = (std::asin(beta) + rightAngle) / 2;
        g.ForeColor(RGB(80, 80, 222));
        g.PenWidth(1.0);
        const double R = fw::Round(std::tan(X) * 600);
        g.DrawLine(ox, oy, ox + 600, oy - R);
        g.DrawLine(ox, oy, ox - 600, oy + R);
        g.DrawLine(ox, oy, ox + R, oy + 600);
        g.DrawLine(ox, oy, ox - R, oy - 600);
    }

    blackSystem->Draw(g);
    redSystem->Draw(g);
    blackObject->Draw(g);
    redObject->Draw(g);
}

} // namespace varnel
