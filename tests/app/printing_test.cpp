// Page setup and printing: which page setup the print dialog gets, what a confirmed print
// draws, and the one-page PDF it makes, at the size the canvas has on a standard screen.
#include "AppTestSupport.h"

#include "diagram/Diagram.h"
#include "framework/Printing.h"
#include "framework/RecordingGraphics.h"
#include "framework/Services.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace varnel::test {
namespace {

using Calls = std::vector<fw::RecordingGraphics::Call>;

// Printing opens no address.
class PrintingTest : public FakeServicesTest {
protected:
    void SetUp() override {
        fake.expectsAddresses = false;
        FakeServicesTest::SetUp();
    }
};

// Which page setup the print dialog gets, after a run of page setups and prints.
enum class Step { SetupConfirmed, SetupCancelled, Print, PrintCancelled };

struct PassingCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<bool> printGetsThePageSetup; // one per print, in order
    bool hasPageSetupAfter;
};

void PrintTo(const PassingCase& c, std::ostream* os) { *os << c.name; }

class PageSetupPassing : public PrintingTest, public ::testing::WithParamInterface<PassingCase> {};

TEST_P(PageSetupPassing, PrintDialogGetsThePageSetupOnceOneWasConfirmed) {
    const PassingCase& c = GetParam();
    const fw::PrinterSetup* shared = printerSetup.get();
    ASSERT_NE(shared, nullptr);
    int prints = 0, confirmedPrints = 0;
    for (Step step : c.steps) {
        switch (step) {
        case Step::SetupConfirmed:
        case Step::SetupCancelled:
            fake.pageSetupAnswers.push_back(step == Step::SetupConfirmed);
            EXPECT_FALSE(window->_FilePageSetup_Action());
            break;
        case Step::Print:
        case Step::PrintCancelled:
            fake.printAnswer = step == Step::Print ? FakeServices::PrintAnswer::Record
                                                   : FakeServices::PrintAnswer::Cancel;
            EXPECT_FALSE(window->_FilePrint_Action());
            ++prints;
            confirmedPrints += step == Step::Print;
            break;
        }
    }

    for (fw::PrinterSetup* setup : fake.pageSetupDialogsOn)
        EXPECT_EQ(setup, shared) << "the page setup dialog ran on another page setup";
    ASSERT_EQ(fake.printDialogsWith.size(), c.printGetsThePageSetup.size());
    for (std::size_t i = 0; i < c.printGetsThePageSetup.size(); ++i) {
        SCOPED_TRACE("print " + std::to_string(i + 1));
        EXPECT_EQ(fake.printDialogsWith[i], c.printGetsThePageSetup[i] ? shared : nullptr);
    }
    EXPECT_EQ(static_cast<int>(fake.printDialogsWith.size()), prints);
    EXPECT_EQ(static_cast<int>(fake.printed.size()), confirmedPrints) << "pages printed";
    EXPECT_EQ(hasPageSetup, c.hasPageSetupAfter);
    if (c.hasPageSetupAfter) {
        EXPECT_EQ(printerSetup->pageLayout, FakeServices::ChosenLayout());
    }
}

using S = Step;
INSTANTIATE_TEST_SUITE_P(
    Runs, PageSetupPassing,
    ::testing::Values(
        PassingCase{"NoPageSetup", {S::Print, S::PrintCancelled}, {false, false}, false},
        PassingCase{"CancelledPageSetup", {S::SetupCancelled, S::Print}, {false}, false},
        PassingCase{"ConfirmedPageSetup",
                    {S::SetupConfirmed, S::Print, S::PrintCancelled, S::Print},
                    {true, true, true},
                    true},
        PassingCase{"CancelledAfterConfirmed",
                    {S::SetupConfirmed, S::SetupCancelled, S::Print, S::SetupCancelled, S::Print},
                    {true, true},
                    true},
        PassingCase{"ConfirmedAfterPrinting",
                    {S::Print, S::SetupCancelled, S::Print, S::SetupConfirmed, S::Print},
                    {false, false, true},
                    true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintingTest, MenuItemsRunTheCommands) {
    fake.pageSetupAnswers = {true};
    fake.printAnswer = FakeServices::PrintAnswer::Record;
    EXPECT_TRUE(window->RunMenuHandler("FilePageSetup"));
    EXPECT_TRUE(window->RunMenuHandler("FilePrint"));
    EXPECT_EQ(fake.pageSetupDialogsOn.size(), 1u);
    EXPECT_EQ(fake.printDialogsWith, std::vector<const fw::PrinterSetup*>{printerSetup.get()});
    EXPECT_EQ(fake.printed.size(), 1u);
}

// The settings a print is made under, set the way the user sets them.
struct SceneCase {
    const char* name;
    void (*set)(Window1&);
};

void StartState(Window1&) {}

void EverythingOn(Window1& w) {
    w.RadioButton2()->click(); // red is the viewpoint
    w.SpeedSlider()->setValue(9);
    w.UnitSlider()->setValue(6);
    w.TimeSlider()->setValue(700);
    w.BlackLengthSlider()->setValue(9);
    w.RedPosSlider()->setValue(1);
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(w.CheckBox1()),
                               static_cast<QAbstractButton*>(w.CheckBox2()),
                               static_cast<QAbstractButton*>(w.CheckBox4()),
                               static_cast<QAbstractButton*>(w.CheckBox5()),
                               static_cast<QAbstractButton*>(w.CheckBox6()),
                               static_cast<QAbstractButton*>(w.CheckBox7())})
        b->click();
    // An event held down on the canvas, with its read-outs and projection lines on screen.
    originX = 280;
    originY = 380;
    eventMarked = true;
    eventX = 420;
    eventY = 250;
}

const SceneCase sceneCases[] = {
    {"start state", StartState},
    {"red viewpoint, objects, light cone and a marked event", EverythingOn},
};

TEST_F(PrintingTest, ConfirmedPrintDrawsTheDiagramOnceWithoutFillOrReadOuts) {
    for (const SceneCase& c : sceneCases) {
        SCOPED_TRACE(c.name);
        Reopen();
        fake.printed.clear();
        c.set(*window);

        // What the canvas shows now: the white fill, the diagram, then any read-outs.
        fw::RecordingGraphics screen;
        window->Canvas1_Paint(window->Canvas1(), screen);
        for (QLineEdit* field : {window->EditField10(), window->EditField6()})
            field->setText("untouched");
        fw::RecordingGraphics diagram;
        DrawDiagram(diagram);
        ASSERT_FALSE(diagram.Calls().empty());

        fake.printAnswer = FakeServices::PrintAnswer::Record;
        EXPECT_FALSE(window->_FilePrint_Action());

        ASSERT_EQ(fake.printed.size(), 1u) << "one page, printed by the end of the command";
        const Calls& page = fake.printed.front().calls;
        EXPECT_EQ(fake.printed.front().clips, (std::vector<std::pair<QRectF, std::size_t>>{
                                                  {QRectF(0, 0, canvasWidth, canvasHeight), 0}}))
            << "not kept to the canvas's bounds before drawing";
        EXPECT_EQ(page, diagram.Calls());
        ASSERT_GE(screen.Calls().size(), page.size() + 1);
        EXPECT_EQ(screen.Calls().front().op, fw::RecordingGraphics::Op::Fill);
        EXPECT_TRUE(std::equal(page.begin(), page.end(), screen.Calls().begin() + 1))
            << "the page differs from the canvas";
        for (const auto& call : page)
            EXPECT_NE(call.op, fw::RecordingGraphics::Op::Fill);
        for (QLineEdit* field : {window->EditField10(), window->EditField6()})
            EXPECT_EQ(field->text(), "untouched") << "printing wrote the read-outs";
        EXPECT_EQ(eventMarked, c.set == EverythingOn);
    }
}

// A printer that cannot be painted on (here: its file cannot be made) yields no page, and the
// command then draws nothing rather than drawing on a dead surface.
TEST_F(PrintingTest, PrinterThatCannotBeOpenedYieldsNoPage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    fake.pdfPath = dir.filePath("no such folder/page.pdf");
    fake.printAnswer = FakeServices::PrintAnswer::Pdf;
    EXPECT_FALSE(window->_FilePrint_Action());
    EXPECT_EQ(fake.printDialogsWith.size(), 1u);
    EXPECT_FALSE(QFile::exists(fake.pdfPath));
}

// The pages of a PDF file: its page objects, not the page tree ("/Type /Pages").
int PageCount(const QByteArray& pdf) {
    static const QRegularExpression page("/Type\\s*/Page(?![a-zA-Z])");
    int n = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++n;
    return n;
}

// The row (or column) of the rendered page with the most pixels that match.
template <class Match> int BestLine(const QImage& image, bool rows, Match match) {
    int best = -1, bestCount = 0;
    const int lines = rows ? image.height() : image.width();
    const int along = rows ? image.width() : image.height();
    for (int i = 0; i < lines; ++i) {
        int count = 0;
        for (int j = 0; j < along; ++j)
            count += match(rows ? image.pixelColor(j, i) : image.pixelColor(i, j));
        if (count > bestCount) {
            best = i;
            bestCount = count;
        }
    }
    return best;
}

struct PdfCase {
    const char* name;
    bool pageSetupFirst;
};

const PdfCase pdfCases[] = {
    {"default settings", false},
    {"Letter landscape page setup", true},
};

TEST_F(PrintingTest, ConfirmedPrintWritesOnePageAtScreenSize) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    for (const PdfCase& c : pdfCases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        fake.pdfPath = dir.filePath("page.pdf");
        if (c.pageSetupFirst) {
            fake.pageSetupAnswers = {true};
            window->_FilePageSetup_Action();
        }
        fake.printAnswer = FakeServices::PrintAnswer::Pdf;
        EXPECT_FALSE(window->_FilePrint_Action());

        QFile file(fake.pdfPath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no PDF written";
        const QByteArray pdf = file.readAll();
        EXPECT_EQ(PageCount(pdf), 1);
        if (c.pageSetupFirst) {
            // US Letter landscape: 11 x 8.5 inches.
            EXPECT_EQ(fake.pdfPaper.size(), QSizeF(1056, 816));
            EXPECT_TRUE(QRegularExpression("/MediaBox \\[0 0 792(\\.0+)? 612(\\.0+)?\\]")
                            .match(QString::fromLatin1(pdf))
                            .hasMatch());
        }
        // The whole canvas fits on the page.
        EXPECT_GE(fake.pdfPrintable.width(), canvasWidth);
        EXPECT_GE(fake.pdfPrintable.height(), canvasHeight);

        if (pdftoppm.isEmpty()) {
            ADD_FAILURE() << "pdftoppm (poppler-utils) is needed to look at the page";
            continue;
        }
        // At 96 pixels to the inch, a canvas pixel is a page pixel from the printable
        // area's corner: black's space axis lies along y = originY, red's time axis along
        // x = originX.
        const QString png = dir.filePath("page");
        ASSERT_EQ(
            QProcess::execute(pdftoppm, {"-r", "96", "-png", "-singlefile", fake.pdfPath, png}), 0);
        const QImage image(png + ".png");
        ASSERT_FALSE(image.isNull());
        EXPECT_NEAR(image.width(), fake.pdfPaper.width(), 1);
        const int blackRow = BestLine(image, true, [](const QColor& p) {
            return p.red() < 90 && p.green() < 90 && p.blue() < 90;
        });
        const int redColumn = BestLine(image, false, [](const QColor& p) {
            return p.red() > 170 && p.green() < 90 && p.blue() < 90;
        });
        EXPECT_NEAR(blackRow, fake.pdfPrintable.top() + originY, 1.5);
        EXPECT_NEAR(redColumn, fake.pdfPrintable.left() + originX, 1.5);

        // Nothing beyond the canvas's bounds, though the axes and circles reach further.
        const QRect canvasOnPage(fake.pdfPrintable.topLeft().toPoint(),
                                 QSize(canvasWidth, canvasHeight));
        int outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                outside += !canvasOnPage.adjusted(-2, -2, 2, 2).contains(x, y) &&
                           image.pixelColor(x, y).lightness() < 250;
        EXPECT_EQ(outside, 0) << "pixels drawn outside the canvas's bounds";
    }
}

} // namespace
} // namespace varnel::test
