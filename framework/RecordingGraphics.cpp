#include "RecordingGraphics.h"

#include <ostream>

namespace fw {

RecordingGraphics::Call RecordingGraphics::Make(Op op, double a, double b, double c,
                                                double d) const {
    Call call;
    call.op = op;
    call.a = a;
    call.b = b;
    call.c = c;
    call.d = d;
    call.color = ForeColor();
    call.penWidth = PenWidth();
    call.font = TextFont();
    call.size = TextSize();
    return call;
}

void RecordingGraphics::DrawLine(double x1, double y1, double x2, double y2) {
    calls_.push_back(Make(Op::Line, x1, y1, x2, y2));
}

void RecordingGraphics::DrawOval(double x, double y, double width, double height) {
    calls_.push_back(Make(Op::Oval, x, y, width, height));
}

void RecordingGraphics::DrawString(const std::string& text, double x, double y, double, bool) {
    Call call = Make(Op::String, x, y, 0, 0);
    call.text = text;
    calls_.push_back(std::move(call));
}

void RecordingGraphics::FillRect(double x, double y, double width, double height) {
    calls_.push_back(Make(Op::Fill, x, y, width, height));
}

std::vector<RecordingGraphics::Call> RecordingGraphics::CallsOf(Op op) const {
    std::vector<Call> out;
    for (const Call& call : calls_)
        if (call.op == op)
            out.push_back(call);
    return out;
}

std::ostream& operator<<(std::ostream& os, const RecordingGraphics::Call& call) {
    static const char* const names[] = {"Line", "Oval", "String", "Fill"};
    os << names[static_cast<int>(call.op)] << '(';
    if (call.op == RecordingGraphics::Op::String)
        os << '"' << call.text << "\", " << call.a << ", " << call.b;
    else
        os << call.a << ", " << call.b << ", " << call.c << ", " << call.d;
    os << ") rgb(" << int(call.color.red) << ',' << int(call.color.green) << ','
       << int(call.color.blue) << ") pen " << call.penWidth << " font " << call.font << ' '
       << call.size;
    return os;
}

} // namespace fw
