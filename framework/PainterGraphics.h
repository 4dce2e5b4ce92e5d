#pragma once

#include "Graphics.h"

#include <string>

class QPainter;

namespace fw {

// The drawing surface over a QPainter: the canvas in a paint pass, a raster image and a
// printed page alike. Lines and text are antialiased. Coordinates far outside any device are
// clipped before they reach the painter, so speeds near the speed of light, whose axes end
// at enormous coordinates, draw the visible part only.
class PainterGraphics final : public Graphics {
public:
    explicit PainterGraphics(QPainter& painter);

    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawOval(double x, double y, double width, double height) override;
    void DrawString(const std::string& text, double x, double y, double wrapWidth,
                    bool condense) override;
    void FillRect(double x, double y, double width, double height) override;

    // Beyond this many pixels from the origin nothing is drawn.
    static constexpr double farAway = 1e6;

protected:
    void StateChanged() override;

private:
    double LineOffset() const;
    QPainter& painter_;
    bool fontSet_ = false;
    std::string fontName_;
    double fontSize_ = 0;
};

} // namespace fw
