#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace fw {
class PrinterSetup;
}

namespace varnel {

class KoordSys;
class Thing;

// The whole state of the diagram: one module of shared variables, read and written directly
// by the drawing routines, the canvas's handlers, the window's control handlers and the menu
// commands. Pixel values are canvas pixels, x to the right, y downwards; 72 pixels are one
// grid unit on every axis of both frames.
extern std::int32_t originX;     // canvas x of the diagram's origin
extern std::int32_t originY;     // canvas y of the diagram's origin
extern double beta;              // the other observer's velocity, in c; strictly inside (-1, 1)
extern std::int32_t viewpoint;   // 0: black is the viewpoint, 1: red is
extern std::int32_t timeValue;   // current time along the viewpoint's time axis, -500..500 px
extern std::int32_t unitSetting; // row 0..9 of the unit table
extern std::int32_t spaceFactor; // one grid unit of length, counted in spaceUnit
extern std::string spaceUnit;    // with its own leading blank: " m"
extern std::int32_t timeFactor;  // one grid unit of time, counted in timeUnit
extern std::string timeUnit;     // with its own leading blank: " ns"
extern bool eventMarked;         // the mouse button is held down on an event
extern std::int32_t eventX;
extern std::int32_t eventY;
extern bool draggingOrigin;
extern std::int32_t canvasWidth; // read once when the main window opens
extern std::int32_t canvasHeight;
extern bool isUpdating; // re-entry guard of the two speed controls
extern std::shared_ptr<fw::PrinterSetup> printerSetup;
extern bool hasPageSetup; // a page setup has been confirmed at least once
extern std::shared_ptr<KoordSys> blackSystem;
extern std::shared_ptr<KoordSys> redSystem;
extern std::shared_ptr<Thing> blackObject;
extern std::shared_ptr<Thing> redObject;

// Gives every module variable its start value, in the order of declaration: the origin
// (300, 400), beta 0.6, the time startTime (one grid unit), unit setting 3; everything else
// 0, false, empty or nil.
void SetModuleStartValues();

// Sets spaceFactor, spaceUnit, timeFactor and timeUnit, in this order, from the row of
// unitSetting. A unitSetting outside 0..9 matches no row and changes nothing.
void SetUnits();

} // namespace varnel
