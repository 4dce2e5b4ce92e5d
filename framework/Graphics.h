#pragma once

#include "Color.h"

#include <string>

namespace fw {

// The surface every drawing routine draws on: a canvas in a paint pass, a printed page, an
// image or a recording. Coordinates are pixels as doubles, x to the right, y downwards.
//
// The settable state (colour, pen width, font, text size) stays in force until it is set
// again; nothing restores it.
class Graphics {
public:
    virtual ~Graphics() = default;

    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    // The outline of the oval inside the box with top-left (x, y).
    virtual void DrawOval(double x, double y, double width, double height) = 0;
    // The text's baseline at y, its left edge at x. The last two arguments (wrap width and
    // condense) are accepted as callers pass them; only 0.0 and false are ever used.
    virtual void DrawString(const std::string& text, double x, double y, double wrapWidth,
                            bool condense) = 0;
    virtual void FillRect(double x, double y, double width, double height) = 0;

    Color ForeColor() const { return foreColor_; }
    void ForeColor(Color c) {
        foreColor_ = c;
        StateChanged();
    }
    double PenWidth() const { return penWidth_; }
    void PenWidth(double w) {
        penWidth_ = w;
        StateChanged();
    }
    const std::string& TextFont() const { return textFont_; }
    void TextFont(const std::string& name) {
        textFont_ = name;
        StateChanged();
    }
    // In pixels: TextSize 10 is a font 10 pixels high.
    double TextSize() const { return textSize_; }
    void TextSize(double size) {
        textSize_ = size;
        StateChanged();
    }

protected:
    // Lets a surface bring its device up to date when one of the settings changes.
    virtual void StateChanged() {}

private:
    Color foreColor_{};
    double penWidth_ = 1.0;
    std::string textFont_ = "System";
    double textSize_ = 12.0;
};

} // namespace fw
