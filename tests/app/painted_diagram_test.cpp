// The start state's diagram as the user sees it. The canvas is painted as a paint pass paints
// it, once onto an image through the drawing surface over a QPainter and once onto a
// recording; every recorded call must show on the image where it was drawn, in its colour, and
// the calibration circles and the level and upright lines in their width.
//
// How the image is read. A rim or a line is looked at in cross-sections: a pixel column across
// it where it runs more level than steep, else a pixel row. A text is looked at inside its box.
// A pixel is left out where another call's ink may reach it: within that call's half pen width
// and a pixel of antialiasing of its path, or within two pixels of its text's box. The
// calibration circles are drawn first, in a pale grey that no check of a line or a text takes
// for its ink, and the later calls paint over them: they are in the way of no line and no text.
#include "AppTestSupport.h"

#include "framework/PainterGraphics.h"
#include "framework/RecordingGraphics.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace varnel::test {
namespace {

using Call = fw::RecordingGraphics::Call;
using Op = fw::RecordingGraphics::Op;

// The image starts in a colour that no call uses: whatever keeps it was painted by nobody.
const QColor unpainted(255, 0, 255);

// How much of a colour a pixel carries: how far it has gone from white towards the colour (0
// white, 1 the colour itself) and how far, in levels, it lies off the way between the two.
struct PixelInk {
    double share = 0;
    double tint = 0;
};

PixelInk InkOf(QRgb pixel, fw::Color color) {
    const double way[3] = {255.0 - color.red, 255.0 - color.green, 255.0 - color.blue};
    const double gone[3] = {255.0 - qRed(pixel), 255.0 - qGreen(pixel), 255.0 - qBlue(pixel)};
    double along = 0, length2 = 0;
    for (int i = 0; i < 3; ++i) {
        along += gone[i] * way[i];
        length2 += way[i] * way[i];
    }
    PixelInk ink;
    ink.share = along / length2;
    double off2 = 0;
    for (int i = 0; i < 3; ++i) {
        const double off = gone[i] - ink.share * way[i];
        off2 += off * off;
    }
    ink.tint = std::sqrt(off2);
    return ink;
}

// A pixel shows a colour when it carries at least half of it and no other hue: antialiased
// text and line edges are blends of the colour with white, or with the pale circles beneath.
constexpr double showsShare = 0.5;
constexpr double showsTint = 48;
bool Shows(QRgb pixel, fw::Color color) {
    const PixelInk ink = InkOf(pixel, color);
    return ink.share >= showsShare && ink.tint <= showsTint;
}

// A recorded call and where the surface puts its ink.
struct Drawn {
    Call call;
    double offset = 0; // a pen of odd whole width is moved by half a pixel (LineOffset)
    QRectF box;        // a text's: advance without trailing blanks, ascent and descent
    double reach = 0;  // how far from its path or box its ink may go
    QRectF bounds;     // where its ink may go
};

// The font a recorded call asks for: the family it names ("System" is the interface font),
// a sans-serif one where the machine lacks that family, as many pixels high as its size.
QFont FontOf(const Call& call) {
    QFont font =
        call.font == "System" ? QApplication::font() : QFont(QString::fromStdString(call.font));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(call.size)));
    return font;
}

// The box a text takes in the font its call asks for.
QRectF TextBox(const Call& call) {
    const QFontMetricsF metrics(FontOf(call));
    QString text = QString::fromStdString(call.text);
    while (text.endsWith(' '))
        text.chop(1);
    return QRectF(call.a, call.b - metrics.ascent(), metrics.horizontalAdvance(text),
                  metrics.ascent() + metrics.descent());
}

double Length(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

double DistanceToSegment(double px, double py, double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((px - x1) * dx + (py - y1) * dy) / length2, 0.0, 1.0) : 0.0;
    return Length(x1 + t * dx - px, y1 + t * dy - py);
}

// How far the point lies from a call's path (a line's, a circle's rim), or from a text's box.
double Distance(const Drawn& d, double px, double py) {
    const Call& c = d.call;
    const double o = d.offset;
    switch (c.op) {
    case Op::Line:
        return DistanceToSegment(px, py, c.a + o, c.b + o, c.c + o, c.d + o);
    case Op::Oval:
        return std::fabs(Length(px - (c.a + c.c / 2 + o), py - (c.b + c.d / 2 + o)) - c.c / 2);
    case Op::String:
        return Length(std::max({d.box.left() - px, 0.0, px - d.box.right()}),
                      std::max({d.box.top() - py, 0.0, py - d.box.bottom()}));
    case Op::Fill:
        break;
    }
    return 0;
}

// Whether the call's ink may touch pixel (x, y).
bool Reaches(const Drawn& d, int x, int y) {
    return d.bounds.contains(x + 0.5, y + 0.5) && Distance(d, x + 0.5, y + 0.5) < d.reach;
}

// Where in row y the call's ink may be, in pixel x coordinates: about a line's crossing of the
// row, about the two crossings of a circle's rim, else across its bounds. Reaches decides.
std::vector<std::pair<double, double>> Spans(const Drawn& d, int y) {
    const Call& c = d.call;
    const double o = d.offset, py = y + 0.5;
    if (c.op == Op::Oval) {
        const double cx = c.a + c.c / 2 + o, dy = py - (c.b + c.d / 2 + o), r = c.c / 2;
        const double outer = r + d.reach, inner = r - d.reach;
        if (std::fabs(dy) >= outer)
            return {};
        const double out = std::sqrt(outer * outer - dy * dy);
        if (inner <= std::fabs(dy))
            return {{cx - out, cx + out}};
        const double in = std::sqrt(inner * inner - dy * dy);
        return {{cx - out, cx - in}, {cx + in, cx + out}};
    }
    if (c.op == Op::Line && c.b != c.d) {
        const double dx = c.c - c.a, dy = c.d - c.b;
        const double x = c.a + o + (py - c.b - o) * dx / dy;
        const double halfSpan = d.reach * Length(dx, dy) / std::fabs(dy);
        return {{x - halfSpan, x + halfSpan}};
    }
    return {{d.bounds.left(), d.bounds.right()}};
}

// Pixels across a path: in column `at` from row `first` to `last`, or in row `at` from
// column `first` to `last`.
struct Section {
    bool column = true;
    int at = 0, first = 0, last = 0;

    int X(int k) const { return column ? at : k; }
    int Y(int k) const { return column ? k : at; }
    std::string Name() const {
        return std::string(column ? "column " : "row ") + std::to_string(at) + " at " +
               std::to_string(first) + ".." + std::to_string(last);
    }
};

class PaintedDiagramTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QWidget* canvas = window->Canvas1();
        ASSERT_EQ(canvas->size(), QSize(636, 553));

        fw::RecordingGraphics recording;
        window->Canvas1_Paint(canvas, recording);
        image = QImage(canvas->size(), QImage::Format_RGB32);
        image.fill(unpainted);
        {
            QPainter painter(&image);
            fw::PainterGraphics g(painter);
            window->Canvas1_Paint(canvas, g);
        }

        for (const Call& call : recording.Calls()) {
            Drawn d;
            d.call = call;
            const bool stroke = call.op == Op::Line || call.op == Op::Oval;
            d.offset = stroke && std::fmod(call.penWidth, 2.0) == 1.0 ? 0.5 : 0.0;
            // A pixel of antialiasing beyond half the pen, two pixels about a text's box for
            // glyphs that overhang it.
            d.reach = call.op == Op::String ? 2.0 : call.penWidth / 2 + 1.0;
            if (call.op == Op::String)
                d.box = TextBox(call);
            const QRectF path = call.op == Op::String ? d.box
                                : call.op == Op::Line
                                    ? QRectF(QPointF(call.a, call.b), QPointF(call.c, call.d))
                                    : QRectF(call.a, call.b, call.c, call.d);
            d.bounds = path.normalized()
                           .translated(d.offset, d.offset)
                           .adjusted(-d.reach, -d.reach, d.reach, d.reach);
            drawn.push_back(d);
        }

        // Which calls' ink may reach each pixel, counted once for all checks.
        reached.assign(static_cast<std::size_t>(image.width() * image.height()), Reached{});
        for (const Drawn& d : drawn) {
            if (d.call.op == Op::Fill)
                continue;
            const QRect area = d.bounds.toAlignedRect() & image.rect();
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (const auto& [from, to] : Spans(d, y)) {
                    const int first = static_cast<int>(std::max<double>(area.left(), from - 1));
                    const int last = static_cast<int>(std::min<double>(area.right(), to + 1));
                    for (int x = first; x <= last; ++x)
                        if (Reaches(d, x, y))
                            ++(d.call.op == Op::Oval ? At(x, y).circles : At(x, y).linesAndTexts);
                }
        }
    }

    bool OnImage(int x, int y) const { return image.rect().contains(x, y); }
    bool OnImage(const Section& s) const {
        return OnImage(s.X(s.first), s.Y(s.first)) && OnImage(s.X(s.last), s.Y(s.last));
    }

    // Whether pixel (x, y) may carry ink of another call than drawn[self] that is in its way:
    // for a line or a text the other lines and texts, for the fill and a circle every other
    // call.
    bool Crowded(std::size_t self, int x, int y) const {
        const Drawn& d = drawn[self];
        const bool own = d.call.op != Op::Fill && Reaches(d, x, y);
        const bool overCircles = d.call.op == Op::Line || d.call.op == Op::String;
        const Reached& r = At(x, y);
        const int circles = r.circles - (own && d.call.op == Op::Oval ? 1 : 0);
        const int linesAndTexts = r.linesAndTexts - (own && overCircles ? 1 : 0);
        return linesAndTexts > 0 || (!overCircles && circles > 0);
    }
    bool Crowded(std::size_t self, const Section& s) const {
        for (int k = s.first; k <= s.last; ++k)
            if (Crowded(self, s.X(k), s.Y(k)))
                return true;
        return false;
    }

    std::vector<std::size_t> Indices(Op op) const {
        std::vector<std::size_t> out;
        for (std::size_t i = 0; i < drawn.size(); ++i)
            if (drawn[i].call.op == op)
                out.push_back(i);
        return out;
    }

    QImage image;
    std::vector<Drawn> drawn;

private:
    struct Reached {
        int circles = 0, linesAndTexts = 0;
    };
    Reached& At(int x, int y) { return reached[static_cast<std::size_t>(y * image.width() + x)]; }
    const Reached& At(int x, int y) const {
        return reached[static_cast<std::size_t>(y * image.width() + x)];
    }
    std::vector<Reached> reached;
};

// Collects what is wrong at the places one call is checked, reported as one failure.
class Findings {
public:
    void Checked() { ++checked_; }
    void Wrong(const std::string& what) {
        if (wrong_++ < 4)
            text_ << "\n  " << what;
    }
    int CheckedCount() const { return checked_; }
    int WrongCount() const { return wrong_; }
    std::string Text() const {
        return std::to_string(wrong_) + " of " + std::to_string(checked_) +
               " places wrong, such as:" + text_.str();
    }

private:
    int checked_ = 0, wrong_ = 0;
    std::ostringstream text_;
};

// The calibration circles: on every cross-section of a rim on the image that nothing else
// comes near, grey ink of the call's colour, one pixel wide. The rim's ink in a cross-section
// adds up to the pen width times the length the section cuts from the rim; where the rim runs
// nearly level (or upright) and passes close to a pixel centre, one pixel carries most of it.
TEST_F(PaintedDiagramTest, CalibrationCirclesAreOnePixelGreyRims) {
    const std::vector<std::size_t> circles = Indices(Op::Oval);
    ASSERT_FALSE(circles.empty());
    for (std::size_t self : circles) {
        const Call& call = drawn[self].call;
        SCOPED_TRACE(::testing::PrintToString(call));
        ASSERT_EQ(call.c, call.d) << "a circle";
        EXPECT_EQ(call.color, fw::RGB(220, 220, 220));
        EXPECT_EQ(call.penWidth, 1.0) << "the surface's starting pen width";

        const double o = drawn[self].offset;
        const double cx = call.a + call.c / 2 + o, cy = call.b + call.d / 2 + o, r = call.c / 2;
        Findings findings;
        int onImage = 0;
        // One cross-section where column (or row) `at` crosses the rim at `cross`, the rim
        // rising by `slope` per pixel along the section's normal.
        auto check = [&](bool column, int at, double cross, double slope) {
            const int middle = static_cast<int>(std::floor(cross));
            const Section s{column, at, middle - 4, middle + 4};
            if (!OnImage(s))
                return;
            ++onImage;
            if (Crowded(self, s))
                return;
            findings.Checked();
            double sum = 0, most = 0;
            QRgb inkiest = qRgb(255, 255, 255);
            double tint = 0;
            for (int k = s.first; k <= s.last; ++k) {
                const QRgb p = image.pixel(s.X(k), s.Y(k));
                const PixelInk ink = InkOf(p, call.color);
                sum += std::max(ink.share, 0.0);
                if (ink.share > most) {
                    most = ink.share;
                    inkiest = p;
                    tint = ink.tint;
                }
            }
            const double width = sum / std::sqrt(1 + slope * slope);
            const bool sharp = slope <= 0.2 && std::fabs(cross - middle - 0.5) <= 0.15;
            // A rim shared by pixels leaves well over a quarter of the grey in the inkiest; a
            // black rim would read seven times the grey. Its width is read in shares of the
            // grey, so only where the ink is that grey; pen width 2 reads about 1.8 to 2.
            std::string bad;
            if (most < 0.25 || most > 1.15 || tint > 10)
                bad = "the inkiest pixel is " + Text(inkiest) + ", not the circles' grey";
            else if (width < 0.5 || width > 1.4)
                bad = "the rim is " + std::to_string(width) + " px wide";
            else if (sharp && most < 0.6 * sum)
                bad =
                    "the inkiest pixel carries only " + std::to_string(most / sum) + " of the ink";
            if (!bad.empty())
                findings.Wrong(s.Name() + ": " + bad);
        };
        for (int x = 0; x < image.width(); ++x) {
            const double u = x + 0.5 - cx;
            if (std::fabs(u) >= r)
                continue;
            const double v = std::sqrt(r * r - u * u);
            if (std::fabs(u) <= v) // more level than steep
                for (double sign : {-1.0, 1.0})
                    check(true, x, cy + sign * v, std::fabs(u) / v);
        }
        for (int y = 0; y < image.height(); ++y) {
            const double v = y + 0.5 - cy;
            if (std::fabs(v) >= r)
                continue;
            const double u = std::sqrt(r * r - v * v);
            if (std::fabs(v) < u) // steeper than level
                for (double sign : {-1.0, 1.0})
                    check(false, y, cx + sign * u, std::fabs(v) / u);
        }
        if (onImage > 0) {
            EXPECT_GT(findings.CheckedCount(), 0) << "the rim is on the image but never clear";
        }
        EXPECT_EQ(findings.WrongCount(), 0) << findings.Text();
    }
}

// The lines: at every pixel step along a line on the image, where no other line or text comes
// near, a pixel that shows the line's colour nearly in full; and across a level or upright
// line, just the pixels that the pen covers show it: as many as the pen is wide.
TEST_F(PaintedDiagramTest, LinesShowTheirColourAndPenWidth) {
    const std::vector<std::size_t> lines = Indices(Op::Line);
    ASSERT_FALSE(lines.empty());
    for (std::size_t self : lines) {
        const Call& call = drawn[self].call;
        SCOPED_TRACE(::testing::PrintToString(call));
        const double o = drawn[self].offset, w = call.penWidth;
        const double x1 = call.a + o, y1 = call.b + o, x2 = call.c + o, y2 = call.d + o;
        // Cross-sections are columns for a line more level than steep, rows otherwise; `along`
        // runs with the sections, `across` through them.
        const bool level = std::fabs(x2 - x1) >= std::fabs(y2 - y1);
        const double along1 = level ? x1 : y1, along2 = level ? x2 : y2;
        const double across1 = level ? y1 : x1, across2 = level ? y2 : x2;
        const bool straight = across1 == across2; // level or upright
        const int reach = static_cast<int>(std::ceil(w / 2)) + 3;
        const int sections = level ? image.width() : image.height();

        Findings findings;
        int onImage = 0;
        for (int k = 0; k < sections; ++k) {
            const double centre = k + 0.5;
            if (centre < std::min(along1, along2) || centre > std::max(along1, along2))
                continue;
            const double across =
                across1 + (centre - along1) / (along2 - along1) * (across2 - across1);
            const int middle = static_cast<int>(std::floor(across));
            const Section s{level, k, middle - reach, middle + reach};
            if (!OnImage(s))
                continue;
            ++onImage;
            if (Crowded(self, s))
                continue;
            findings.Checked();

            double most = 0;
            QRgb inkiest = qRgb(255, 255, 255);
            std::vector<int> shown, covered;
            for (int j = s.first; j <= s.last; ++j) {
                const QRgb p = image.pixel(s.X(j), s.Y(j));
                const PixelInk ink = InkOf(p, call.color);
                if (ink.share > most && ink.tint <= showsTint) {
                    most = ink.share;
                    inkiest = p;
                }
                if (Shows(p, call.color))
                    shown.push_back(j);
                if (std::fabs(j + 0.5 - across) < w / 2)
                    covered.push_back(j);
            }
            std::string bad;
            if (most < 0.75)
                bad = "the inkiest pixel is " + Text(inkiest) + ", not the line's colour";
            else if (straight && shown != covered)
                bad = ::testing::PrintToString(shown) + " show the colour, not " +
                      ::testing::PrintToString(covered);
            if (!bad.empty())
                findings.Wrong(s.Name() + ": " + bad);
        }
        if (onImage > 0) {
            EXPECT_GT(findings.CheckedCount(), 0) << "the line is on the image but never clear";
        }
        EXPECT_EQ(findings.WrongCount(), 0) << findings.Text();
    }
}

// The texts: in either half of each text's box on the image, among the pixels that no other
// line or text comes near, some that show the text's colour.
TEST_F(PaintedDiagramTest, TextsShowInTheirBoxesInTheirColour) {
    const std::vector<std::size_t> texts = Indices(Op::String);
    ASSERT_FALSE(texts.empty());
    for (std::size_t self : texts) {
        const Drawn& d = drawn[self];
        SCOPED_TRACE(::testing::PrintToString(d.call));
        if (!QRectF(image.rect()).intersects(d.box))
            continue;
        for (const bool left : {true, false}) {
            SCOPED_TRACE(left ? "left half" : "right half");
            QRectF half = d.box;
            if (left)
                half.setRight(d.box.center().x());
            else
                half.setLeft(d.box.center().x());
            int onImage = 0, clear = 0, shown = 0;
            for (int y = static_cast<int>(std::floor(half.top())); y <= half.bottom(); ++y)
                for (int x = static_cast<int>(std::floor(half.left())); x <= half.right(); ++x) {
                    if (!half.contains(x + 0.5, y + 0.5) || !OnImage(x, y))
                        continue;
                    ++onImage;
                    if (Crowded(self, x, y))
                        continue;
                    ++clear;
                    shown += Shows(image.pixel(x, y), d.call.color) ? 1 : 0;
                }
            if (onImage == 0)
                continue;
            EXPECT_GT(clear, 0) << "the box is on the image but covered by other ink";
            EXPECT_GT(shown, 0) << "no pixel shows the text's colour";
        }
    }
}

// The white fill: every pixel of its rectangle that no other call's ink can reach keeps the
// fill's colour exactly; the image started out in another colour.
TEST_F(PaintedDiagramTest, FillShowsWhereNothingElseIsDrawn) {
    const std::vector<std::size_t> fills = Indices(Op::Fill);
    ASSERT_EQ(fills.size(), 1u);
    const Call& fill = drawn[fills.front()].call;
    EXPECT_EQ(fill.color, fw::RGB(255, 255, 255));
    const QRectF rect(fill.a, fill.b, fill.c, fill.d);
    const QRgb expected = qRgb(fill.color.red, fill.color.green, fill.color.blue);
    Findings findings;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!rect.contains(x + 0.5, y + 0.5) || Crowded(fills.front(), x, y))
                continue;
            findings.Checked();
            if (image.pixel(x, y) != expected)
                findings.Wrong("(" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                               Text(image.pixel(x, y)));
        }
    EXPECT_GT(findings.CheckedCount(), image.width() * image.height() / 2)
        << "most of the canvas is empty";
    EXPECT_EQ(findings.WrongCount(), 0) << findings.Text();
}

} // namespace
} // namespace varnel::test
