#pragma once

namespace fw {
class Graphics;
}

namespace varnel {

// Sets the diagram up when the main window opens: the two coordinate systems, the unit
// variables, the flags, the page setup, the two objects and the canvas size.
void InitDiagram();

// Draws the whole diagram from the state and the main window's controls: the calibration
// circles, the light cone when it is on, both coordinate systems and both objects. The one
// drawing routine for the canvas and the printed page.
void DrawDiagram(fw::Graphics& g);

} // namespace varnel
