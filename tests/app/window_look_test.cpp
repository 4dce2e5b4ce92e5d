// What the user sees of the windows' white panels and texts, on grabs of the shown windows:
// the panels are filled white inside a black border and stand out from the window's grey, and
// every control that shows a text shows all of it, in the font it is meant to have.
#include "AppTestSupport.h"

#include "app/Window2.h"
#include "framework/Controls.h"
#include "framework/Window.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>
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

// Where a text has ink in an area of a picture: the pixels that carry at least half of the
// text's colour over the area's background, its lightest pixel. The box around them, the
// darkest of them, and the longest run of them unbroken in one row, such as an underline.
struct TextInk {
    QRect box;
    QRgb darkest = white;
    int longestRun = 0;
};

TextInk TextInkIn(const QImage& picture, const QRect& area, QRgb colour) {
    const QRect r = area & picture.rect();
    int background = qGray(colour);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            background = std::max(background, qGray(picture.pixel(x, y)));
    TextInk ink;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        int run = 0;
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (2 * qGray(pixel) > background + qGray(colour)) {
                run = 0;
                continue;
            }
            ink.box |= QRect(x, y, 1, 1);
            if (qGray(pixel) < qGray(ink.darkest))
                ink.darkest = pixel;
            ink.longestRun = std::max(ink.longestRun, ++run);
        }
    }
    return ink;
}

// The ink of a text drawn alone in a font, black on white, at the control's resolution: the
// whole of it, with the box's left counted from where the text starts, its top from the
// baseline.
TextInk WholeInkOf(const QString& text, const QFont& font, const QWidget* control) {
    const QFontMetrics metrics(font, control);
    const int margin = metrics.height();
    QImage image(metrics.horizontalAdvance(text) + 2 * margin, 3 * margin, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(control->logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(control->logicalDpiY() / 0.0254));
    image.fill(white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(QColor(Qt::black));
        painter.drawText(QPoint(margin, 2 * margin), text);
    }
    TextInk ink = TextInkIn(image, image.rect(), black);
    ink.box.translate(-margin, -2 * margin);
    return ink;
}

// Whether two colours are alike, every channel within an eighth of its range.
bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 32 && std::abs(qGreen(a) - qGreen(b)) <= 32 &&
           std::abs(qBlue(a) - qBlue(b)) <= 32;
}

// The fonts controls are meant to have: the interface font, or the one a label names.
enum class Face { Interface, Arial12, Arial12Underlined };

QFont FontOf(Face face, const QWidget* control) {
    if (face == Face::Interface)
        return QApplication::font(control);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setUnderline(face == Face::Arial12Underlined);
    return font;
}

// The controls meant to show their text otherwise than in the interface font, in black.
struct MeantLook {
    Shown window;
    const char* name;
    Face face;
    QRgb colour;
};

const MeantLook otherLooks[] = {
    {Shown::AboutWindow, "StaticText1", Face::Arial12, black},
    {Shown::AboutWindow, "StaticText2", Face::Arial12Underlined, qRgb(0, 64, 128)},
};

// How a control of that window is meant to show its text.
MeantLook MeantLookOf(Shown window, const QWidget* control) {
    for (const MeantLook& look : otherLooks)
        if (look.window == window && control->objectName() == QLatin1String(look.name))
            return look;
    return {window, "", Face::Interface, black};
}

// One row of text that a control shows: the text, the part of the window where its ink must
// be (from where the control starts the row to the control's right edge, as high as the
// row), and whether the row starts at that part's left, as a left-aligned one does.
struct ShownRow {
    QString text;
    QRect area;
    bool fromLeft = true;
};

// A row of a label's text, and where the label puts it: its top and height in the label.
struct LabelRow {
    QString text;
    int top = 0;
    int height = 0;
};

// The rows of a label's text as the label lays out plain text in that font: its lines, each
// wrapped at words where the label's width ends if the label wraps, each on a whole pixel the
// font's leading below the one before, and all of them at the label's top, middle or bottom.
std::vector<LabelRow> LabelRows(const QLabel& label, const QFont& font) {
    QString text = label.text();
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font, &label);
    QTextOption option;
    option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(font, &label).leading();
    std::vector<LabelRow> rows;
    qreal y = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.wordWrap() ? label.width() : 1 << 20);
        y = std::ceil(y + leading);
        const qreal height = line.ascent() + line.descent();
        rows.push_back({text.mid(line.textStart(), line.textLength()), static_cast<int>(y),
                        static_cast<int>(std::ceil(height))});
        y += height;
    }
    layout.endLayout();
    const Qt::Alignment vertical = label.alignment() & Qt::AlignVertical_Mask;
    const int offset = vertical == Qt::AlignVCenter  ? qRound((label.height() - y) / 2)
                       : vertical == Qt::AlignBottom ? qRound(label.height() - y)
                                                     : 0;
    for (LabelRow& row : rows)
        row.top += offset;
    return rows;
}

// The rows of text a label, check box, radio button, push button or group box title shows,
// in the font it is meant to have; none for other controls.
std::vector<ShownRow> RowsShownBy(const fw::Window* w, QWidget* control, const QFont& font) {
    const QRect place = PlaceOf(w, control);
    // The part of the control from its column `left` on, and from its row `top` on, `height`
    // rows high.
    const auto from = [&place](int left, int top, int height) {
        return QRect(place.left() + left, place.top() + top, place.width() - left, height) & place;
    };
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const bool fromLeft = (label->alignment() & Qt::AlignLeft) != 0;
        const std::vector<LabelRow> rows = LabelRows(*label, font);
        if (rows.size() == 1) // whatever its height, within the label
            return {{rows.front().text, place, fromLeft}};
        std::vector<ShownRow> shown;
        for (const LabelRow& row : rows)
            shown.push_back({row.text, from(0, row.top, row.height), fromLeft});
        return shown;
    }
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        const auto option = StyleOptionOf<QStyleOptionGroupBox>(box);
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        return {{box->title(), from(title.left(), title.top(), title.height())}};
    }
    if (auto* button = qobject_cast<QPushButton*>(control))
        return {{button->text(), place, false}};
    // Check boxes and radio buttons start their text beside the box or circle.
    QRect contents;
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        const auto option = StyleOptionOf<QStyleOptionButton>(check);
        contents = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        const auto option = StyleOptionOf<QStyleOptionButton>(radio);
        contents = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    } else {
        return {};
    }
    return {
        {static_cast<QAbstractButton*>(control)->text(), from(contents.left(), 0, place.height())}};
}

// Every control of both windows that shows a text shows all of it in the font it is meant to
// have, in its colour: each row's ink is as wide and as tall as the whole text's ink in that
// font, within a pixel, so a text wider than its control, cut at the control's edge, fails; a
// left-aligned row's ink starts where the text's does; an underline shows as a run of ink
// under the whole text. A label's ink stays inside the label.
TEST_F(WindowLookTest, ControlsShowAllOfTheirTextInTheirFont) {
    std::vector<std::string> otherLooksSeen; // of the controls in otherLooks, those looked at
    for (const Shown which : {Shown::MainWindow, Shown::AboutWindow}) {
        const std::string windowName =
            which == Shown::MainWindow ? "main window " : "about window ";
        fw::Window* w = Open(which);
        ASSERT_NE(w, nullptr);
        const QImage picture = ShownContent(w);
        for (QWidget* control : w->Content()->findChildren<QWidget*>()) {
            const std::string name = control->objectName().toStdString();
            SCOPED_TRACE(windowName + name);
            const MeantLook look = MeantLookOf(which, control);
            if (*look.name)
                otherLooksSeen.push_back(windowName + name);
            const QFont font = FontOf(look.face, control);
            const std::vector<ShownRow> rows = RowsShownBy(w, control, font);
            if (rows.empty())
                continue;
            if (!control->isVisible()) {
                ADD_FAILURE() << "the control is hidden";
                continue;
            }

            if (qobject_cast<QLabel*>(control)) {
                const QRect place = PlaceOf(w, control);
                const QRect around =
                    TextInkIn(picture, place.adjusted(-3, -3, 3, 3), look.colour).box;
                EXPECT_TRUE(around.isEmpty() || place.contains(around))
                    << "ink at " << Text(around) << ", outside the label at " << Text(place);
            }
            for (const ShownRow& row : rows) {
                if (row.text.trimmed().isEmpty())
                    continue;
                SCOPED_TRACE("\"" + row.text.toStdString() + "\"");
                if (row.area.isEmpty()) {
                    ADD_FAILURE() << "the row lies below the control's bottom: it is cut off";
                    continue;
                }
                const TextInk whole = WholeInkOf(row.text, font, control);
                ASSERT_FALSE(whole.box.isEmpty());
                const TextInk shown = TextInkIn(picture, row.area, look.colour);
                if (shown.box.isEmpty()) {
                    ADD_FAILURE() << "no ink of the text's colour in " << Text(row.area);
                    continue;
                }
                EXPECT_TRUE(Near(shown.darkest, look.colour))
                    << "darkest ink " << Text(shown.darkest) << ", text colour "
                    << Text(look.colour);
                EXPECT_NEAR(shown.box.width(), whole.box.width(), 1)
                    << "ink " << Text(shown.box) << ", " << shown.box.width()
                    << " px wide; the whole text's ink is " << whole.box.width() << " px wide"
                    << (shown.box.width() < whole.box.width() ? ": the text is cut" : "");
                EXPECT_NEAR(shown.box.height(), whole.box.height(), 1)
                    << "ink " << Text(shown.box) << ", " << shown.box.height()
                    << " px tall; the whole text's ink is " << whole.box.height() << " px tall";
                if (row.fromLeft) {
                    EXPECT_NEAR(shown.box.left() - row.area.left(), whole.box.left(), 1)
                        << "ink " << Text(shown.box) << " in " << Text(row.area);
                }
                EXPECT_NEAR(shown.longestRun, whole.longestRun, 2)
                    << "the longest run of ink in one row; an underline runs under the whole "
                       "text";
            }
        }
    }
    for (const MeantLook& look : otherLooks) {
        const std::string name =
            std::string(look.window == Shown::MainWindow ? "main window " : "about window ") +
            look.name;
        EXPECT_NE(std::find(otherLooksSeen.begin(), otherLooksSeen.end(), name),
                  otherLooksSeen.end())
            << name << " was not looked at";
    }
}

} // namespace
} // namespace varnel::test
