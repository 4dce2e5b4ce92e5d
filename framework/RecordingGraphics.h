#pragma once

#include "Graphics.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace fw {

// A surface that draws nothing and remembers every call, with the colour, pen width, font
// and text size in force at the time. Tests read the recording back.
class RecordingGraphics final : public Graphics {
public:
    enum class Op { Line, Oval, String, Fill };

    struct Call {
        Op op = Op::Line;
        double a = 0, b = 0, c = 0, d = 0; // x1 y1 x2 y2, or x y width height, or x y
        std::string text;                  // DrawString only
        Color color{};
        double penWidth = 0;
        std::string font;
        double size = 0;

        friend bool operator==(const Call&, const Call&) = default;
    };

    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawOval(double x, double y, double width, double height) override;
    void DrawString(const std::string& text, double x, double y, double wrapWidth,
                    bool condense) override;
    void FillRect(double x, double y, double width, double height) override;

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Call> CallsOf(Op op) const;
    void Clear() { calls_.clear(); }

private:
    Call Make(Op op, double a, double b, double c, double d) const;
    std::vector<Call> calls_;
};

std::ostream& operator<<(std::ostream& os, const RecordingGraphics::Call& call);

} // namespace fw
