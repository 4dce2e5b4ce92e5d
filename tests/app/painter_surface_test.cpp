// Lines on the drawing surface over a QPainter whose ends lie far outside any device, as the
// light cone's and the axes' ends do at speeds near the speed of light. The surface clips them
// to a square of +-farAway pixels before Qt draws them; what reaches the pixels must still be
// the exact line: its visible part is painted along its path, and nothing else is.
#include "framework/PainterGraphics.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int side = 200;        // the image is side x side pixels
constexpr int darkAtMost = 170;  // the gray level of a pixel with a third of full ink
constexpr int twinTolerance = 4; // gray levels
constexpr double far9 = 1e9;
constexpr double far12 = 1e12;
static_assert(far9 > fw::PainterGraphics::farAway);

struct Line {
    double x1, y1, x2, y2;
};

// A white image with the line drawn in black through a PainterGraphics.
QImage Paint(const Line& line, double penWidth) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    fw::PainterGraphics g(painter);
    g.ForeColor(fw::RGB(0, 0, 0));
    g.PenWidth(penWidth);
    g.DrawLine(line.x1, line.y1, line.x2, line.y2);
    painter.end();
    return image;
}

// How far the centre of pixel (px, py) lies from the segment as the surface draws it. A line
// of odd whole width is moved by half a pixel, so that a one-pixel line covers one pixel row
// (see PainterGraphics::LineOffset); the expected path moves with it. Long doubles keep the
// products of coordinates near 1e12 exact enough.
double DistanceFromPath(const Line& line, double penWidth, int px, int py) {
    const long double o = std::fmod(penWidth, 2.0) == 1.0 ? 0.5L : 0.0L;
    const long double ax = line.x1 + o, ay = line.y1 + o, bx = line.x2 + o, by = line.y2 + o;
    const long double cx = px + 0.5L, cy = py + 0.5L;
    const long double dx = bx - ax, dy = by - ay;
    long double t = ((cx - ax) * dx + (cy - ay) * dy) / (dx * dx + dy * dy);
    t = std::clamp(t, 0.0L, 1.0L);
    const long double ex = ax + t * dx - cx, ey = ay + t * dy - cy;
    return static_cast<double>(std::sqrt(ex * ex + ey * ey));
}

int Gray(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)); }

TEST(PainterSurface, FarLinesPaintTheirExactPathAndNothingElse) {
    struct Row {
        const char* name;
        Line line;
        double penWidth;
        bool crossesImage;
        // The same line with its far end brought near on the same ray, still beyond the
        // image: the image must come out the same.
        std::optional<Line> nearTwin = std::nullopt;
    };
    const Row rows[] = {
        // Both ends far out; the line crosses the image.
        {"vertical", {50, -far9, 50, far9}, 1, true},
        {"vertical, width 2", {120, far12, 120, -far12}, 2, true},
        {"horizontal", {-far12, 150, far12, 150}, 1, true},
        {"horizontal right to left, width 2", {far9, 30, -far9, 30}, 2, true},
        {"diagonal", {-far12, -far12, far12, far12}, 1, true},
        {"diagonal, width 2", {far9, far9, -far9, -far9}, 2, true},
        {"anti-diagonal", {-far9, far9 + 200, far9, -far9 + 200}, 1, true},
        {"steep", {-far12 + 50, -3 * far12, far12 + 50, 3 * far12}, 1, true},
        {"shallow, width 2", {far12, 0.25 * far12 + 60, -far12, -0.25 * far12 + 60}, 2, true},
        {"through the top-left corner", {-far9, far9 + 40, far9, -far9 + 40}, 1, true},
        {"through the bottom-right corner, width 2",
         {far12 + 360, -far12, -far12 + 360, far12},
         2,
         true},
        // Both ends far out; the line passes outside the image.
        {"vertical left of the image", {-50, -far9, -50, far9}, 1, false},
        {"horizontal below the image, width 2", {-far12, 300, far12, 300}, 2, false},
        {"diagonal past the bottom-left corner", {-far9, -far9 + 250, far9, far9 + 250}, 1, false},
        {"just past the bottom-right corner", {-far9, far9 + 405, far9, -far9 + 405}, 2, false},
        {"beyond the clipping square", {2e6, -far12, 2e6, far12}, 1, false},
        {"beyond the clipping square on a slant",
         {-far12, -far12 + 3e6, far12, far12 + 3e6},
         2,
         false},
        // One end on the image, the other far away.
        {"from the image to far below right",
         {60, 70, 60 + far9, 70 + 3 * far9},
         1,
         true,
         Line{60, 70, 60 + 1000, 70 + 3000}},
        {"from the image to far up left, width 2",
         {140, 90, 140 - 2 * far12, 90 - far12},
         2,
         true,
         Line{140, 90, 140 - 2000, 90 - 1000}},
        {"from the image straight to far left",
         {100, 100, -far12, 100},
         1,
         true,
         Line{100, 100, -1000, 100}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image = Paint(row.line, row.penWidth);

        // Pixels whose centre lies on the path are dark: within a quarter pixel of it, or
        // for a wider pen well inside its stroke. Antialiasing may share a one-pixel line
        // between two neighbouring pixels (Qt paints a 45-degree line half into each), so a
        // third of full ink suffices. Pixels a pixel and a half beyond the pen's edge stay
        // white.
        const double onPathWithin = std::max(0.25, row.penWidth / 2 - 0.5);
        const double clear = row.penWidth / 2 + 1.5;
        int onPath = 0, nearPath = 0;
        std::ostringstream wrong;
        int wrongCount = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const double d = DistanceFromPath(row.line, row.penWidth, x, y);
                const int gray = Gray(image, x, y);
                if (d < clear)
                    ++nearPath;
                if (d <= onPathWithin) {
                    ++onPath;
                    if (gray > darkAtMost && wrongCount++ < 5)
                        wrong << " (" << x << ", " << y << ") on the path is " << gray << ";";
                } else if (d >= clear && gray != 255 && wrongCount++ < 5) {
                    wrong << " (" << x << ", " << y << ") " << d << " px off the path is " << gray
                          << ";";
                }
            }
        }
        EXPECT_EQ(wrongCount, 0) << wrongCount << " pixels wrong, such as" << wrong.str();

        // The table itself: a crossing line has a path worth checking, a missing one does
        // not come near the image.
        if (row.crossesImage)
            EXPECT_GE(onPath, 40) << "the row's line hardly crosses the image";
        else
            EXPECT_EQ(nearPath, 0) << "the row's line comes near the image";

        // Pixel for pixel as the line with a near end. Qt's rasteriser is handed other
        // coordinates for the two, so a few levels of rounding are let pass.
        if (row.nearTwin) {
            const QImage twin = Paint(*row.nearTwin, row.penWidth);
            int differ = 0, most = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    const int diff = std::abs(Gray(image, x, y) - Gray(twin, x, y));
                    differ += diff > twinTolerance ? 1 : 0;
                    most = std::max(most, diff);
                }
            EXPECT_EQ(differ, 0) << differ << " pixels differ from the line with a near end, "
                                 << "by up to " << most << " levels";
        }
    }
}

// The pen width is the width of the stroke in whole pixels: a level line at y = 100 covers one
// pixel row with width 1 (moved half a pixel down onto row 100), two rows with width 2 (99 and
// 100) and three with width 3; every other pixel of the column stays white.
TEST(PainterSurface, PenWidthIsTheNumberOfPixelRowsALevelLineCovers) {
    struct Row {
        const char* name;
        double penWidth;
        std::vector<int> inkedRows;
    };
    const Row rows[] = {
        {"width 1", 1, {100}},
        {"width 2", 2, {99, 100}},
        {"width 3", 3, {99, 100, 101}},
    };
    constexpr int fullInk = 32; // gray level at most
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image = Paint(Line{40, 100, 160, 100}, row.penWidth);
        for (int x : {60, 100, 140}) {
            std::vector<int> inked, touched;
            for (int y = 0; y < side; ++y) {
                const int gray = Gray(image, x, y);
                if (gray <= fullInk)
                    inked.push_back(y);
                if (gray != 255)
                    touched.push_back(y);
            }
            EXPECT_EQ(inked, row.inkedRows) << "column " << x;
            EXPECT_EQ(touched, row.inkedRows) << "column " << x;
        }
    }
}

} // namespace
