// What the user sees of the windows' white panels and labels, on grabs of the shown windows:
// the panels are filled white inside a black border and stand out from the window's grey, and
// every label shows its text at the size of the font it is meant to have.
#include "AppTestSupport.h"

#include "app/Window2.h"
#include "framework/Controls.h"
#include "framework/Window.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace varnel::test {
namespace {

// The windows a case looks at.
enum class Shown { MainWindow, AboutWindow };

// The main window, with the about window opened over it where a case looks at that.
class WindowLookTest : public AboutWindowFixture {
protected:
    // The window, shown on screen; null, with a failure, where it does not open.
    fw::Window* Open(Shown which) {
        fw::Window* shown = window;
        if (which == Shown::AboutWindow)
            shown = ChooseAbout();
        if (!shown) {
            ADD_FAILURE() << "the window did not open";
            return nullptr;
        }
        EXPECT_TRUE(QTest::qWaitForWindowExposed(shown));
        return shown;
    }
};

// What the shown window shows over its content area, so that a pixel's place is its window
// coordinates, as in the control tables.
QImage ShownContent(fw::Window* w) {
    const QRect content(w->Content()->mapTo(w, QPoint(0, 0)), w->Content()->size());
    return w->grab(content).toImage().convertToFormat(QImage::Format_RGB32);
}

// A control's place in window coordinates.
QRect PlaceOf(const fw::Window* w, const QWidget* control) {
    return QRect(control->mapTo(w->Content(), QPoint(0, 0)), control->size());
}

std::string Text(QPoint p) {
    return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")";
}

std::string Text(QRgb c) {
    return "rgb(" + std::to_string(qRed(c)) + ", " + std::to_string(qGreen(c)) + ", " +
           std::to_string(qBlue(c)) + ")";
}

std::string Text(const QRect& r) { return Text(r.topLeft()) + " to " + Text(r.bottomRight()); }

// The pixels of one part of a picture that should all have one colour: how many were looked
// at, how many have another colour, and the first of those.
struct Sample {
    explicit Sample(const char* where) : part(where) {}

    const char* part;
    int pixels = 0;
    int off = 0;
    QPoint first;
    QRgb firstColour = 0;

    void Add(QPoint p, QRgb colour, QRgb wanted) {
        ++pixels;
        if ((colour & RGB_MASK) != (wanted & RGB_MASK) && off++ == 0) {
            first = p;
            firstColour = colour;
        }
    }
};

void ExpectAll(const Sample& s, const char* colourName) {
    EXPECT_GT(s.pixels, 0) << "no pixel looked at in " << s.part;
    EXPECT_EQ(s.off, 0) << s.off << " of " << s.pixels << " pixels in " << s.part << " are not "
                        << colourName << ", the first at " << Text(s.first) << " "
                        << Text(s.firstColour);
}

constexpr QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);

// Pixels this close to a border or another control may carry its edge.
constexpr int kClear = 2;
// The window's background is looked at in a band this wide around a panel.
constexpr int kAround = 4;

// A white panel with a black border one pixel thick, and the controls it holds.
struct PanelCase {
    const char* name;
    Shown window;
    std::vector<const char*> holds;
};

const PanelCase panelCases[] = {
    {"Rectangle1 (main window, around the canvas)", Shown::MainWindow, {"Canvas1"}},
    {"Rectangle1 (about window)", Shown::AboutWindow, {"StaticText1", "StaticText2"}},
};

TEST_F(WindowLookTest, PanelsAreWhiteInsideABlackBorderOnTheWindowsGrey) {
    for (const PanelCase& c : panelCases) {
        SCOPED_TRACE(c.name);
        fw::Window* w = Open(c.window);
        ASSERT_NE(w, nullptr);
        const QImage shown = ShownContent(w);
        QWidget* panel = w->ControlByName("Rectangle1");
        ASSERT_NE(panel, nullptr);
        const QRect place = PlaceOf(w, panel);
        ASSERT_TRUE(shown.rect().contains(place));

        // The border: every pixel of the outermost rows and columns.
        Sample border("the border");
        const QRect inside = place.adjusted(1, 1, -1, -1);
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                if (!inside.contains(x, y))
                    border.Add({x, y}, shown.pixel(x, y), black);
        ExpectAll(border, "black");

        // The fill: the margins between the border and what the panel holds, on all four
        // sides, and what lies between the held controls.
        std::vector<QRect> held;
        QRect heldBox;
        for (const char* name : c.holds) {
            QWidget* control = w->ControlByName(name);
            ASSERT_NE(control, nullptr) << name;
            held.push_back(PlaceOf(w, control).adjusted(-kClear, -kClear, kClear, kClear));
            heldBox |= PlaceOf(w, control);
        }
        std::array<Sample, 5> fill{Sample("the left margin"), Sample("the right margin"),
                                   Sample("the top margin"), Sample("the bottom margin"),
                                   Sample("between the held controls")};
        const QRect fillArea = inside.adjusted(kClear, kClear, -kClear, -kClear);
        for (int y = fillArea.top(); y <= fillArea.bottom(); ++y)
            for (int x = fillArea.left(); x <= fillArea.right(); ++x) {
                if (std::any_of(held.begin(), held.end(),
                                [x, y](const QRect& r) { return r.contains(x, y); }))
                    continue;
                const int part = x < heldBox.left()     ? 0
                                 : x > heldBox.right()  ? 1
                                 : y < heldBox.top()    ? 2
                                 : y > heldBox.bottom() ? 3
                                                        : 4;
                fill[part].Add({x, y}, shown.pixel(x, y), white);
            }
        for (int part = 0; part < 4; ++part)
            ExpectAll(fill[part], "white");
        if (fill[4].pixels > 0)
            ExpectAll(fill[4], "white");

        // Around the panel, away from other controls, the window's own grey, which is not
        // white: the panel's white is its own fill.
        const QRgb grey = w->palette().color(QPalette::Window).rgb();
        EXPECT_NE(grey & RGB_MASK, white & RGB_MASK) << "the window's background is white";
        std::vector<QRect> others;
        for (QWidget* control : w->Content()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control != panel && control->isVisible())
                others.push_back(PlaceOf(w, control).adjusted(-kClear, -kClear, kClear, kClear));
        Sample around("the window's background around the panel");
        const QRect nearPanel = place.adjusted(-kClear, -kClear, kClear, kClear);
        const QRect band = nearPanel.adjusted(-kAround, -kAround, kAround, kAround) & shown.rect();
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                if (!nearPanel.contains(x, y) &&
                    std::none_of(others.begin(), others.end(),
                                 [x, y](const QRect& r) { return r.contains(x, y); }))
                    around.Add({x, y}, shown.pixel(x, y), grey);
        ExpectAll(around, "the window's grey");
    }
}

// Where a label's text has ink: the box around its dark pixels and the darkest of them.
struct Ink {
    QRect box;
    QRgb darkest = white;
};

Ink InkIn(const QImage& shown, const QRect& area) {
    Ink ink;
    const QRect r = area & shown.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb colour = shown.pixel(x, y);
            if (qGray(colour) >= 128)
                continue;
            ink.box |= QRect(x, y, 1, 1);
            if (qGray(colour) < qGray(ink.darkest))
                ink.darkest = colour;
        }
    return ink;
}

// Whether two colours are alike, every channel within an eighth of its range.
bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 32 && std::abs(qGreen(a) - qGreen(b)) <= 32 &&
           std::abs(qBlue(a) - qBlue(b)) <= 32;
}

// The text of a label's first row, as a label of that width lays it out in that font: lines
// end at CR, and a multiline label wraps them at word boundaries.
QString FirstRow(const QString& text, const QFont& font, int width, bool multiline) {
    if (!multiline)
        return text;
    const QString line = text.section(QLatin1Char('\r'), 0, 0);
    QTextLayout layout(line, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine row = layout.createLine();
    row.setLineWidth(width);
    layout.endLayout();
    return line.mid(row.textStart(), row.textLength()).trimmed();
}

// The fonts labels are meant to have: the interface font, or the one a label names.
enum class Face { Interface, Arial12, Arial12Underlined };

QFont FontOf(Face face) {
    if (face == Face::Interface)
        return QApplication::font();
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setUnderline(face == Face::Arial12Underlined);
    return font;
}

struct LabelCase {
    Shown window;
    const char* name;
    const char* text; // null: the about text
    Face face;
    QRgb colour;
    bool multiline;
};

// clang-format off
const LabelCase labelCases[] = {
    {Shown::MainWindow,  "StaticText1",  "v/c",                          Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText2",  "Position",                     Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText3",  "Position",                     Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText4",  "Length",                       Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText5",  "Length",                       Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText7",  "all my clocks read then",      Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText8",  "my event position",            Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText9",  "that red clock there reads",   Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText10", "red's event position",         Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText11", "all my clocks read then",      Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText12", "my event position",            Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText13", "that black clock there reads", Face::Interface,         black,              false},
    {Shown::MainWindow,  "StaticText14", "black's event position",       Face::Interface,         black,              false},
    {Shown::AboutWindow, "StaticText1",  nullptr,                        Face::Arial12,           black,              true},
    {Shown::AboutWindow, "StaticText2",  "vd.example.org",               Face::Arial12Underlined, qRgb(0, 64, 128),   false},
};
// clang-format on

// The ink of a label's text lies inside the label, in the text's colour. In its first row it is
// as tall as that row's glyphs are in the font the label is meant to have, less at most two
// rows of faint edges, and no taller than a line of that font; it starts at the label's left
// and ends where the row's advance does, or where the label does if that comes first, give or
// take less than a character (the last glyph's side bearing, and a pixel of edge).
TEST_F(WindowLookTest, LabelsShowTheirTextAtTheSizeOfTheirFont) {
    std::array<QImage, 2> shown;
    for (const LabelCase& c : labelCases) {
        SCOPED_TRACE(std::string(c.window == Shown::MainWindow ? "main window " : "about window ") +
                     c.name);
        fw::Window* w = Open(c.window);
        ASSERT_NE(w, nullptr);
        QImage& picture = shown[static_cast<int>(c.window)];
        if (picture.isNull())
            picture = ShownContent(w);
        auto* label = w->Control<QLabel>(c.name);
        ASSERT_NE(label, nullptr);
        const QRect place = PlaceOf(w, label);
        const QFont font = FontOf(c.face);
        const QFontMetrics metrics(font);
        const QString text =
            c.text ? QString::fromUtf8(c.text) : QString::fromStdString(AboutText());
        const QString row = FirstRow(text, font, place.width(), c.multiline);
        ASSERT_FALSE(row.isEmpty());

        // Around the label, as far as its neighbours allow: the ink is the label's own.
        const Ink all = InkIn(picture, place.adjusted(-3, -3, 3, 3));
        if (all.box.isEmpty()) {
            ADD_FAILURE() << "no text shown in " << Text(place);
            continue;
        }
        EXPECT_TRUE(place.contains(all.box))
            << "ink at " << Text(all.box) << ", outside the label at " << Text(place);
        EXPECT_TRUE(Near(all.darkest, c.colour))
            << "darkest ink " << Text(all.darkest) << ", text colour " << Text(c.colour);

        const QRect firstRow =
            c.multiline ? QRect(place.left(), place.top(), place.width(), metrics.lineSpacing())
                        : place;
        const QRect ink = InkIn(picture, firstRow).box;
        const QRect glyphs = metrics.tightBoundingRect(row);
        EXPECT_GE(ink.height(), glyphs.height() - 2)
            << "ink " << Text(ink) << " for \"" << row.toStdString() << "\", glyphs "
            << glyphs.height() << " px tall";
        EXPECT_LE(ink.height(), metrics.height()) << "ink " << Text(ink);
        const int slack = metrics.averageCharWidth();
        EXPECT_LT(ink.left() - place.left(), slack) << "ink " << Text(ink);
        const int advance = metrics.horizontalAdvance(row);
        EXPECT_LE(ink.right() + 1 - place.left(), advance + 1) << "ink " << Text(ink);
        // A text wider than its label, as some machines' fonts make it, is cut at the label's
        // right edge.
        const int shownWidth = std::min(advance, place.width());
        EXPECT_GE(ink.right() + 1 - place.left(), shownWidth - slack)
            << "ink " << Text(ink) << ", text " << advance << " px wide";
    }
}

} // namespace
} // namespace varnel::test
