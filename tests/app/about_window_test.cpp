// The about window: one at a time, built the same way each time, what it shows (the picture,
// the about text wrapped inside its label), its two links, the cursor over them, and the
// picture, loaded once and tried again while it cannot be loaded.
#include "AppTestSupport.h"

#include "app/Window2.h"
#include "framework/Controls.h"
#include "framework/Printing.h"
#include "framework/Services.h"

#include <QDate>
#include <QEnterEvent>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace varnel::test {
namespace {

const std::string webPage = "https://vd.example.org";
const std::string mailMessage = "mailto:author@example.org";

// The about window, with what its tests share.
class AboutWindowTest : public AboutWindowFixture {
protected:
    static void Close(Window2* about) {
        about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static int AboutWindowCount() {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += dynamic_cast<Window2*>(w) != nullptr && w->isVisible();
        return n;
    }

    static void Enter(QWidget* control) {
        QEnterEvent e(QPointF(2, 2), control->mapTo(control->window(), QPointF(2, 2)),
                      control->mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(control, &e);
    }
    static void Leave(QWidget* control) {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(control, &e);
    }
};

// What makes two about windows alike: place, class and values of every control.
struct ControlLook {
    QString name;
    QRect inWindow;
    QString parent;
    QString text;
    bool underline = false;
    QColor textColor;
    bool operator==(const ControlLook&) const = default;
};

std::vector<ControlLook> LookOf(const Window2& about) {
    std::vector<ControlLook> looks;
    for (QWidget* c :
         {static_cast<QWidget*>(about.Rectangle1()), static_cast<QWidget*>(about.StaticText1()),
          static_cast<QWidget*>(about.StaticText2()), static_cast<QWidget*>(about.Canvas1())}) {
        if (!c) {
            ADD_FAILURE() << "a control is missing";
            continue;
        }
        ControlLook look;
        look.name = c->objectName();
        look.inWindow = QRect(c->mapTo(about.Content(), QPoint(0, 0)), c->size());
        if (c->parentWidget() != about.Content())
            look.parent = c->parentWidget()->objectName();
        if (auto* label = dynamic_cast<QLabel*>(c)) {
            look.text = label->text();
            look.underline = label->font().underline();
            look.textColor = label->palette().color(QPalette::WindowText);
        }
        looks.push_back(look);
    }
    return looks;
}

// What the user sees of a control: the pixels of the shown window over the control's place.
QImage Shown(Window2* about, const QWidget* control) {
    const QRect place(control->mapTo(about, QPoint(0, 0)), control->size());
    return about->grab(place).toImage().convertToFormat(QImage::Format_RGB32);
}

// One line of the about text as the label's font lays it out, wrapped at a width: the row
// of text it starts on, the rows it takes, and the width of its widest row.
struct WrappedLine {
    QString text;
    int firstRow = 0;
    int rows = 0;
    int width = 0;
};

std::vector<WrappedLine> Wrap(const QStringList& lines, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    std::vector<WrappedLine> wrapped;
    int row = 0;
    for (const QString& line : lines) {
        const QRect r = metrics.boundingRect(QRect(0, 0, width, 1 << 20),
                                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
        const int rows = qRound(double(r.height() + metrics.leading()) / metrics.lineSpacing());
        wrapped.push_back({line, row, rows, r.width()});
        row += rows;
    }
    return wrapped;
}

// Where the shown text has ink: for each row of text, lineSpacing pixels high from the top,
// the right-most column with a dark pixel; -1 for a row without one.
std::vector<int> InkPerRow(const QImage& shown, int lineSpacing) {
    std::vector<int> ink((shown.height() + lineSpacing - 1) / lineSpacing, -1);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (qGray(shown.pixel(x, y)) < 128)
                ink[y / lineSpacing] = std::max(ink[y / lineSpacing], x);
    return ink;
}

// The right-most ink in a row of text, also in one below the shown text; -1 for none.
int InkIn(const std::vector<int>& ink, int row) {
    return row < static_cast<int>(ink.size()) ? ink[row] : -1;
}

// The right-most ink over a line's rows of text; -1 for none.
int InkOf(const WrappedLine& line, const std::vector<int>& ink) {
    int right = -1;
    for (int row = line.firstRow; row < line.firstRow + line.rows; ++row)
        right = std::max(right, InkIn(ink, row));
    return right;
}

// A line shows whole when its ink reaches to where its widest row ends, give or take less
// than a character (the last glyph's side bearing and faint edge), and no further.
int EndSlack(const QFont& font) { return QFontMetrics(font).averageCharWidth(); }

// The compiler pads a day below 10 with a blank; the about text shows one blank between the
// parts of the date, whatever the day.
TEST(ShownDate, HasOneBlankBetweenItsParts) {
    struct Row {
        const char* name;
        const char* compilerDate;
        const char* shown;
    };
    const Row rows[] = {
        {"one-digit day", "Dec  9 2025", "Dec 9 2025"},
        {"first of the month", "Jan  1 2026", "Jan 1 2026"},
        {"two-digit day", "Dec 19 2025", "Dec 19 2025"},
        {"last of the month", "Oct 31 2026", "Oct 31 2026"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ShownDate(row.compilerDate), row.shown) << row.name;
}

TEST_F(AboutWindowTest, ChosenTwiceShowsTheOneWindowAgain) {
    EXPECT_FALSE(window->_aboutItem_Action());
    Window2* about = dynamic_cast<Window2*>(fw::Window::ImplicitWindow(Window2::className));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());

    EXPECT_FALSE(window->_aboutItem_Action());
    EXPECT_EQ(ChooseAbout(), about);
    EXPECT_EQ(AboutWindowCount(), 1);
    EXPECT_EQ(about->Content()->findChildren<QWidget*>().size(), 4u) << "one set of controls";
}

// Window coordinates, also for the labels inside the rectangle.
struct PlaceCase {
    const char* name;
    QRect inWindow;
    const char* parent;
};

const PlaceCase placeCases[] = {
    {"Rectangle1", {43, 36, 203, 251}, ""},
    {"StaticText1", {55, 43, 152, 83}, "Rectangle1"},
    {"StaticText2", {55, 228, 87, 27}, "Rectangle1"},
    {"Canvas1", {304, 36, 194, 251}, ""},
};

TEST_F(AboutWindowTest, IsAFixedWindowWithItsFourControls) {
    Window2* about = ChooseAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "about Varnel");
    EXPECT_EQ(about->Content()->size(), QSize(545, 328));
    EXPECT_EQ(about->Content()->minimumSize(), about->Content()->maximumSize())
        << "the window can be resized";
    const Qt::WindowFlags flags = about->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowFullscreenButtonHint));

    const std::vector<ControlLook> looks = LookOf(*about);
    ASSERT_EQ(looks.size(), std::size(placeCases));
    for (std::size_t i = 0; i < looks.size(); ++i) {
        SCOPED_TRACE(placeCases[i].name);
        EXPECT_EQ(looks[i].name, placeCases[i].name);
        EXPECT_EQ(looks[i].inWindow, placeCases[i].inWindow);
        EXPECT_EQ(looks[i].parent, placeCases[i].parent);
    }

    // The link: the web page's host, underlined, dark blue, and it fits its label.
    fw::Label* link = about->StaticText2();
    EXPECT_EQ("https://" + link->text().toStdString(), webPage);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 64, 128));
    EXPECT_LE(QFontMetrics(link->font()).horizontalAdvance(link->text()), link->width());

    // The picture stands beside the text, as it was loaded.
    EXPECT_EQ(about->Canvas1()->Backdrop().size(), QSize(194, 251));
    EXPECT_EQ(fake.picturesAskedFor, std::vector<std::string>{"Zuva2020.jpg"});
}

TEST_F(AboutWindowTest, ShownCanvasIsThePictureAsLoaded) {
    Window2* about = ChooseAbout();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    const QImage picture = AboutPicture().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());

    // The picture fills the canvas, and nothing else is painted over it.
    const QImage shown = Shown(about, about->Canvas1());
    ASSERT_EQ(shown.size(), picture.size());
    int differing = 0;
    QPoint first;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != picture.pixel(x, y) && differing++ == 0)
                first = QPoint(x, y);
    EXPECT_EQ(differing, 0) << "pixels unlike the picture, the first at (" << first.x() << ", "
                            << first.y() << ")";
}

TEST_F(AboutWindowTest, TextHasFourLinesSeparatedByCarriageReturns) {
    const QString text = QString::fromStdString(AboutText());
    const QStringList lines = text.split('\r');
    ASSERT_EQ(lines.size(), 4) << text.toStdString();
    EXPECT_FALSE(text.contains('\n'));
    const QRegularExpression first("^(32|64) bit version 1\\.5    for \\S+$");
    EXPECT_TRUE(first.match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].startsWith(QString::number(sizeof(void*) * 8) + " bit"));
    EXPECT_TRUE(lines[1].startsWith("Qt " QT_VERSION_STR " build ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_FALSE(lines[3].isEmpty());

    // The second line names the day the program was built, as the compiler wrote it.
    const QRegularExpression second("^Qt (\\d+\\.\\d+\\.\\d+) build "
                                    "((Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                    "([1-9]|[12]\\d|3[01]) \\d{4})$");
    const QRegularExpressionMatch built = second.match(lines[1]);
    ASSERT_TRUE(built.hasMatch()) << lines[1].toStdString();
    EXPECT_EQ(built.captured(1).toStdString(), QT_VERSION_STR);
    // A real day, and none to come; the program may have been built on another day than this
    // test, so the test's own date is not required.
    const QDate day = QLocale::c().toDate(built.captured(2), "MMM d yyyy");
    EXPECT_TRUE(day.isValid()) << built.captured(2).toStdString();
    EXPECT_LE(day, QDate::currentDate()) << built.captured(2).toStdString();

    // On screen the carriage returns break the lines, and each line fits the label's width.
    Window2* about = ChooseAbout();
    ASSERT_NE(about, nullptr);
    fw::Label* label = about->StaticText1();
    const QFontMetrics metrics(label->font());
    EXPECT_GE(label->heightForWidth(label->width()), 4 * metrics.lineSpacing());
    EXPECT_LT(label->heightForWidth(label->width()), 5 * metrics.lineSpacing());

    // The second line's rows show the whole of it, the date included.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    const std::vector<WrappedLine> wrapped =
        Wrap({lines[0], lines[1]}, label->font(), label->width());
    const std::vector<int> ink = InkPerRow(Shown(about, label), metrics.lineSpacing());
    const WrappedLine& date = wrapped[1];
    for (int row = date.firstRow; row < date.firstRow + date.rows; ++row)
        EXPECT_GE(InkIn(ink, row), 0) << "nothing shown in row " << row;
    EXPECT_GE(InkOf(date, ink), date.width - EndSlack(label->font())) << "the line ends early";
}

// The widths the about text is shown at: its label's own, and one pixel less than the widest
// line that fits on one row there, so that this line has to wrap.
enum class LabelWidth { AsShown, BelowWidestLine };

struct WrapCase {
    const char* name;
    LabelWidth width;
};

const WrapCase wrapCases[] = {
    {"as shown", LabelWidth::AsShown},
    {"a pixel narrower than its widest line", LabelWidth::BelowWidestLine},
};

TEST_F(AboutWindowTest, ShownTextWrapsInsideItsLabelEveryLineWhole) {
    const QStringList lines = QString::fromStdString(AboutText()).split('\r');
    const auto rowsOf = [](const std::vector<WrappedLine>& wrapped) {
        return wrapped.back().firstRow + wrapped.back().rows;
    };
    for (const WrapCase& c : wrapCases) {
        SCOPED_TRACE(c.name);
        Window2* about = ChooseAbout();
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
        fw::Label* label = about->StaticText1();
        const int lineSpacing = QFontMetrics(label->font()).lineSpacing();
        if (c.width == LabelWidth::BelowWidestLine) {
            const std::vector<WrappedLine> asShown = Wrap(lines, label->font(), label->width());
            int widest = 0;
            for (const WrappedLine& line : asShown)
                if (line.rows == 1)
                    widest = std::max(widest, line.width);
            const std::vector<WrappedLine> narrower = Wrap(lines, label->font(), widest - 1);
            ASSERT_GT(rowsOf(narrower), rowsOf(asShown)) << "no line wraps at " << widest - 1;
            label->resize(widest - 1, std::max(label->height(), rowsOf(narrower) * lineSpacing));
        }

        const std::vector<WrappedLine> wrapped = Wrap(lines, label->font(), label->width());
        EXPECT_LE(rowsOf(wrapped) * lineSpacing, label->height()) << "the last row is cut";
        const QImage shown = Shown(about, label);
        ASSERT_EQ(shown.size(), label->size());
        const std::vector<int> ink = InkPerRow(shown, lineSpacing);
        for (const WrappedLine& line : wrapped) {
            SCOPED_TRACE(line.text.toStdString());
            EXPECT_LE(line.width, label->width()) << "cut at the right edge";
            const bool blank = line.text.trimmed().isEmpty();
            for (int row = line.firstRow; row < line.firstRow + line.rows; ++row)
                EXPECT_EQ(InkIn(ink, row) >= 0, !blank) << "row " << row << " of " << ink.size();
            if (blank)
                continue;
            const int right = InkOf(line, ink);
            EXPECT_GE(right, line.width - EndSlack(label->font())) << "the line ends early";
            EXPECT_LE(right, line.width) << "ink beyond the line's end";
        }
        for (int row = rowsOf(wrapped); row < static_cast<int>(ink.size()); ++row)
            EXPECT_EQ(ink[row], -1) << "ink below the text, in row " << row;
        Close(about);
    }
}

TEST_F(AboutWindowTest, ClosedWindowIsBuiltAnewWithoutLoadingThePictureAgain) {
    Window2* first = ChooseAbout();
    ASSERT_NE(first, nullptr);
    const std::vector<ControlLook> look = LookOf(*first);
    const qint64 picture = first->Canvas1()->Backdrop().cacheKey();
    const QString title = first->windowTitle();
    const QSize size = first->Content()->size();

    QPointer<Window2> closed(first);
    Close(first);
    ASSERT_TRUE(closed.isNull());
    EXPECT_EQ(fw::Window::ImplicitWindow(Window2::className), nullptr);

    Window2* second = ChooseAbout();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->windowTitle(), title);
    EXPECT_EQ(second->Content()->size(), size);
    EXPECT_EQ(LookOf(*second), look);
    EXPECT_EQ(second->Canvas1()->Backdrop().cacheKey(), picture) << "the same picture";
    EXPECT_EQ(fake.picturesAskedFor.size(), 1u);

    // Its handlers are attached too.
    QTest::mouseClick(second->StaticText2(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(second->Canvas1(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(fake.urls, (std::vector<std::string>{webPage, mailMessage}));
}

struct LinkCase {
    const char* name;
    const char* control;
    std::string url;
    bool releasedElsewhere;
};

const LinkCase linkCases[] = {
    {"link label, released on it", "StaticText2", webPage, false},
    {"link label, released elsewhere", "StaticText2", webPage, true},
    {"picture, released on it", "Canvas1", mailMessage, false},
    {"picture, released elsewhere", "Canvas1", mailMessage, true},
};

TEST_F(AboutWindowTest, LinksOpenTheirAddressWhenThePressEnds) {
    for (const LinkCase& c : linkCases) {
        SCOPED_TRACE(c.name);
        fake.urls.clear();
        Window2* about = ChooseAbout();
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
        QWidget* control = about->ControlByName(c.control);
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->testAttribute(Qt::WA_SetCursor)) << "a cursor before entering";

        Enter(control);
        EXPECT_EQ(fw::MouseCursor(control), fw::Cursor::FingerPointer);
        EXPECT_EQ(control->cursor().shape(), Qt::PointingHandCursor);

        const QPoint on(10, 10), elsewhere(-30, -20);
        QTest::mousePress(control, Qt::LeftButton, {}, on);
        EXPECT_TRUE(fake.urls.empty()) << "opened on the press";
        const QPoint end = c.releasedElsewhere ? elsewhere : on;
        if (c.releasedElsewhere) {
            QTest::mouseMove(control, elsewhere);
            Leave(control);
        }
        QTest::mouseRelease(control, Qt::LeftButton, {}, end);
        Leave(control);

        EXPECT_EQ(fake.urls, std::vector<std::string>{c.url});
        EXPECT_EQ(fw::MouseCursor(control), fw::Cursor::StandardPointer);
        EXPECT_EQ(control->cursor().shape(), Qt::ArrowCursor);
        EXPECT_FALSE(about->StaticText1()->testAttribute(Qt::WA_SetCursor));
        EXPECT_FALSE(about->Rectangle1()->testAttribute(Qt::WA_SetCursor));
        Close(about);
    }
}

struct BadPictureCase {
    const char* name;
    const char* content; // null: no file at all
};

const BadPictureCase badPictureCases[] = {
    {"missing", nullptr},
    {"not a picture", "this is not a JPEG file"},
    {"cut short", "\xFF\xD8\xFF\xE0"},
};

TEST_F(AboutWindowTest, WindowOpensWithoutAPictureAndTheNextOneTriesAgain) {
    for (const BadPictureCase& c : badPictureCases) {
        SCOPED_TRACE(c.name);
        ForgetAboutPicture();
        fake.urls.clear();
        fake.picturesAskedFor.clear();
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath("Zuva2020.jpg");
        if (c.content) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        fake.loadPicture = [path](const std::string&) { return QImage(path); };

        Window2* about = ChooseAbout();
        ASSERT_NE(about, nullptr);
        EXPECT_TRUE(about->isVisible());
        EXPECT_TRUE(about->Canvas1()->Backdrop().isNull());
        QTest::mouseClick(about->StaticText2(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(fake.urls, std::vector<std::string>{webPage});
        Close(about);

        // Now the file can be read: the next window loads it, and later ones keep it.
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(":/Zuva2020.jpg", path));
        about = ChooseAbout();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->Canvas1()->Backdrop().size(), QSize(194, 251));
        Close(about);
        about = ChooseAbout();
        ASSERT_NE(about, nullptr);
        EXPECT_FALSE(about->Canvas1()->Backdrop().isNull());
        EXPECT_EQ(fake.picturesAskedFor.size(), 2u);
        Close(about);
    }
}

TEST(AboutPictureResource, IsAmongTheProgramsResources) {
    fw::QtSystemServices services;
    EXPECT_EQ(services.OpenPictureFromApp("Zuva2020.jpg").size(), QSize(194, 251));
    EXPECT_TRUE(services.OpenPictureFromApp("NoSuchPicture.jpg").isNull());
}

} // namespace
} // namespace varnel::test
