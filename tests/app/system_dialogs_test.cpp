// The toolkit's own page-setup and print dialogs, as QtSystemServices runs them: each is shown
// modal and answered from a timer through its own widgets, the way a user would answer it, and
// the printer writes a PDF file into a temporary folder. No print server is needed: the print
// dialog's "Print to File (PDF)" entry is chosen, which every machine offers.
#include "framework/Printing.h"
#include "framework/Services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace varnel::test {
namespace {

// How long a dialog may take to show up, counted from just before the call that runs it, and
// to close, counted from its answer. Building the real print dialog is slow on a busy machine;
// the limits are there only so that a failing test fails rather than hangs.
constexpr int showUpWithinMs = 60000;
constexpr int closeWithinMs = 30000;

// Answers the next modal dialog of type D: a zero-delay timer looks again and again until that
// dialog is the active modal widget, then hands it to `answer`, which sets its widgets and
// clicks one of its buttons. Should no such dialog show up in time, or should it (or a message
// box it opens) still be open when its own time to close has run out, every modal widget is
// rejected or closed in turn. Construct it just before the call that runs the dialog.
template <class D> class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(D&)> answer, int showUpWithin = showUpWithinMs,
                         int closeWithin = closeWithinMs)
        : answer_(std::move(answer)), showUpWithin_(showUpWithin), closeWithin_(closeWithin) {
        sinceStart_.start();
        QTimer::singleShot(0, &context_, [this] { Look(); });
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool Answered() const { return answered_; }
    bool GaveUp() const { return ranOut_ != Limit::None; }
    // Which limit ran out, for a failure's message; empty while none has.
    std::string RanOut() const {
        switch (ranOut_) {
        case Limit::None:
            return "";
        case Limit::ShowUp:
            return "it did not show up within " + std::to_string(showUpWithin_) + " ms";
        case Limit::Close:
            return "it did not close within " + std::to_string(closeWithin_) +
                   " ms of being answered";
        }
        return "";
    }

private:
    enum class Limit { None, ShowUp, Close };

    void Look() {
        if (sinceStart_.elapsed() > showUpWithin_) {
            GiveUp(Limit::ShowUp);
            return;
        }
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(0, &context_, [this] { Look(); });
            return;
        }
        answered_ = true;
        // From here on the dialog must close by itself, in a time of its own.
        QTimer::singleShot(closeWithin_, &context_, [this] { GiveUp(Limit::Close); });
        answer_(*dialog);
    }

    // Rejects (or closes) the active modal widget, and again after a moment while one is left:
    // the context object stops this once the dialog's call has returned.
    void GiveUp(Limit limit) {
        if (ranOut_ == Limit::None)
            ranOut_ = limit;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
        QTimer::singleShot(10, &context_, [this, limit] { GiveUp(limit); });
    }

    std::function<void(D&)> answer_;
    int showUpWithin_ = showUpWithinMs;
    int closeWithin_ = closeWithinMs;
    QObject context_; // the timers die with it
    QElapsedTimer sinceStart_;
    bool answered_ = false;
    Limit ranOut_ = Limit::None;
};

// The answer's two limits, each on its own clock: a dialog that is slow to show up still has
// its whole time to close once answered; one that never shows up, or is answered and does not
// close, is given up on, and the failure says which time ran out. A plain dialog stands in for
// the system's, shown after a delay and closing a while after its answer, as they do.
TEST(ModalAnswerLimits, EachLimitRunsOnItsOwnClock) {
    struct Row {
        const char* name;
        int showsUpAfterMs; // -1: never
        int closesAfterMs;  // after the answer; -1: never
        int showUpWithinMs;
        int closeWithinMs;
        bool answered;
        const char* ranOut; // the start of RanOut(), empty for none
    };
    // clang-format off
    const Row rows[] = {
        {"slow to show up, closes in time", 600, 100, 3000, 400, true, ""},
        {"slow to show up, closes in its own time past the show-up limit", 600, 600, 1000, 2000,
         true, ""},
        {"shows up at once, closes in time", 0, 100, 3000, 400, true, ""},
        {"never shows up", -1, -1, 300, 400, false, "it did not show up within 300 ms"},
        {"answered, never closes", 0, -1, 3000, 300, true,
         "it did not close within 300 ms of being answered"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ModalAnswer<QDialog> answer(
            [&](QDialog& dialog) {
                if (row.closesAfterMs >= 0)
                    QTimer::singleShot(row.closesAfterMs, &dialog, &QDialog::accept);
            },
            row.showUpWithinMs, row.closeWithinMs);
        if (row.showsUpAfterMs >= 0) {
            QTest::qWait(row.showsUpAfterMs);
            QDialog dialog;
            dialog.exec();
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return answer.GaveUp(); }, 5000));
        }
        EXPECT_EQ(answer.Answered(), row.answered);
        EXPECT_EQ(answer.GaveUp(), *row.ranOut != '\0') << answer.RanOut();
        EXPECT_EQ(answer.RanOut(), row.ranOut);
    }
}

// The child of that name and type, or null with a failure reported.
template <class W> W* Child(QWidget& dialog, const char* name) {
    auto* child = dialog.findChild<W*>(QString::fromLatin1(name));
    if (!child)
        ADD_FAILURE() << "the dialog has no " << W::staticMetaObject.className() << " '" << name
                      << "'";
    return child;
}

enum class Button { Ok, Cancel };

std::ostream& operator<<(std::ostream& os, Button b) {
    return os << (b == Button::Ok ? "OK" : "Cancel");
}

// Clicks the dialog's OK (for the print dialog: Print) or Cancel button; rejects the dialog
// when the button is not found, after reporting it.
void Click(QDialog& dialog, Button which) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    QAbstractButton* button =
        box ? box->button(which == Button::Ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
            : nullptr;
    if (!button) {
        ADD_FAILURE() << "the dialog has no " << which << " button";
        dialog.reject();
        return;
    }
    button->click();
}

// Letter landscape with 12 mm margins: a page setup confirmed earlier.
QPageLayout LetterLandscape() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                       QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

// The layout a fresh printer has, which an empty page setup leaves alone.
QPageLayout DefaultLayout() { return QPrinter(QPrinter::HighResolution).pageLayout(); }

const char* OrientationName(QPageLayout::Orientation o) {
    return o == QPageLayout::Landscape ? "landscape" : "portrait";
}

QRadioButton* OrientationButton(QDialog& dialog, QPageLayout::Orientation o) {
    return Child<QRadioButton>(dialog, o == QPageLayout::Landscape ? "landscape" : "portrait");
}

// ---------------------------------------------------------------------------------------------
// The page-setup dialog.

struct PageSetupCase {
    const char* name;
    // The setup already holds LetterLandscape(), else it holds no layout.
    bool storedFirst;
    // Clicked in the dialog before the button.
    QPageLayout::Orientation choose;
    Button button;
};

void PrintTo(const PageSetupCase& c, std::ostream* os) { *os << c.name; }

class RealPageSetupDialog : public ::testing::TestWithParam<PageSetupCase> {};

TEST_P(RealPageSetupDialog, KeepsTheChoiceOnlyWhenConfirmed) {
    const PageSetupCase& c = GetParam();
    fw::PrinterSetup setup;
    if (c.storedFirst)
        setup.pageLayout = LetterLandscape();
    const QPageLayout before = setup.pageLayout;
    const QPageLayout::Orientation shownFirst =
        c.storedFirst ? QPageLayout::Landscape : DefaultLayout().orientation();

    bool showedStoredOrientation = false;
    ModalAnswer<QPageSetupDialog> answer([&](QPageSetupDialog& dialog) {
        QRadioButton* shown = OrientationButton(dialog, shownFirst);
        QRadioButton* chosen = OrientationButton(dialog, c.choose);
        if (!shown || !chosen) {
            dialog.reject();
            return;
        }
        showedStoredOrientation = shown->isChecked();
        chosen->click();
        Click(dialog, c.button);
    });
    fw::QtSystemServices services;
    const bool confirmed = services.PageSetupDialog(setup);

    ASSERT_TRUE(answer.Answered()) << "no page-setup dialog showed up: " << answer.RanOut();
    ASSERT_FALSE(answer.GaveUp()) << "the page-setup dialog: " << answer.RanOut();
    EXPECT_TRUE(showedStoredOrientation)
        << "the dialog did not start " << OrientationName(shownFirst);

    EXPECT_EQ(confirmed, c.button == Button::Ok);
    if (c.button == Button::Cancel) {
        EXPECT_EQ(setup.pageLayout.isValid(), before.isValid());
        if (before.isValid()) {
            EXPECT_EQ(setup.pageLayout, before) << "cancelling changed the stored layout";
        }
        return;
    }
    ASSERT_TRUE(setup.pageLayout.isValid()) << "a confirmed page setup holds no layout";
    EXPECT_EQ(setup.pageLayout.orientation(), c.choose)
        << "not the orientation chosen: " << OrientationName(setup.pageLayout.orientation());
    const QPageLayout started = c.storedFirst ? before : DefaultLayout();
    EXPECT_TRUE(setup.pageLayout.pageSize().isEquivalentTo(started.pageSize()))
        << setup.pageLayout.pageSize().name().toStdString();
    if (c.storedFirst) {
        // The dialog kept the stored margins, the one thing that was not chosen again.
        const QMarginsF mm = setup.pageLayout.margins(QPageLayout::Millimeter);
        EXPECT_NEAR(mm.left(), 12, 0.01);
        EXPECT_NEAR(mm.top(), 12, 0.01);
        EXPECT_NEAR(mm.right(), 12, 0.01);
        EXPECT_NEAR(mm.bottom(), 12, 0.01);
    }
}

using O = QPageLayout::Orientation;
INSTANTIATE_TEST_SUITE_P(
    Answers, RealPageSetupDialog,
    ::testing::Values(PageSetupCase{"OkChoosesLandscape", false, O::Landscape, Button::Ok},
                      PageSetupCase{"OkTurnsStoredLayoutPortrait", true, O::Portrait, Button::Ok},
                      PageSetupCase{"CancelLeavesNoLayout", false, O::Landscape, Button::Cancel},
                      PageSetupCase{"CancelKeepsStoredLayout", true, O::Portrait, Button::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// The print dialog.

// What pdfinfo tells of a PDF file: its page count and the first page's size in points.
struct PdfInfo {
    int pages = -1;
    QSizeF pageSize;
};

std::optional<PdfInfo> ReadPdfInfo(const QString& path, std::string& error) {
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (pdfinfo.isEmpty()) {
        error = "pdfinfo (poppler-utils) is needed to read the PDF file";
        return std::nullopt;
    }
    QProcess process;
    process.start(pdfinfo, {path});
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        error = "pdfinfo failed: " + process.readAllStandardError().toStdString();
        return std::nullopt;
    }
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    PdfInfo info;
    const auto pages =
        QRegularExpression(R"(^Pages:\s+(\d+)\s*$)", QRegularExpression::MultilineOption)
            .match(out);
    const auto size = QRegularExpression(R"(^Page size:\s+([\d.]+) x ([\d.]+) pts)",
                                         QRegularExpression::MultilineOption)
                          .match(out);
    if (!pages.hasMatch() || !size.hasMatch()) {
        error = "pdfinfo said: " + out.toStdString();
        return std::nullopt;
    }
    info.pages = pages.captured(1).toInt();
    info.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return info;
}

enum class Given { NoSetup, EmptySetup, LetterLandscapeSetup };

struct PrintCase {
    const char* name;
    Given given;
    Button button;
};

void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.name; }

class RealPrintDialog : public ::testing::TestWithParam<PrintCase> {};

TEST_P(RealPrintDialog, PrintsOnePageOnlyWhenConfirmed) {
    const PrintCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdfPath = dir.filePath("page.pdf");

    fw::PrinterSetup setup;
    if (c.given == Given::LetterLandscapeSetup)
        setup.pageLayout = LetterLandscape();
    const fw::PrinterSetup* given = c.given == Given::NoSetup ? nullptr : &setup;
    // The paper in points, as the PDF file gives it: US Letter is 11 x 8.5 inches.
    const QSizeF paper = c.given == Given::LetterLandscapeSetup
                             ? QSizeF(792, 612)
                             : DefaultLayout().fullRectPoints().size();
    const bool landscape = c.given == Given::LetterLandscapeSetup;
    ASSERT_EQ(paper.width() > paper.height(), landscape);

    // Printing to the file is chosen before either button: Cancel must not print all the same.
    ModalAnswer<QPrintDialog> answer([&](QPrintDialog& dialog) {
        // The printer list ends with printing to a PDF file, whose name is typed below it.
        auto* printers = Child<QComboBox>(dialog, "printers");
        auto* fileName = Child<QLineEdit>(dialog, "filename");
        if (!printers || !fileName) {
            dialog.reject();
            return;
        }
        printers->setCurrentIndex(printers->count() - 1);
        fileName->setText(pdfPath);
        Click(dialog, c.button);
    });
    fw::QtSystemServices services;
    std::unique_ptr<fw::PrintedPage> page = services.PrintDialog(given);

    ASSERT_TRUE(answer.Answered()) << "no print dialog showed up: " << answer.RanOut();
    ASSERT_FALSE(answer.GaveUp()) << "the print dialog: " << answer.RanOut();
    if (c.button == Button::Cancel) {
        EXPECT_EQ(page, nullptr) << "a cancelled print dialog gave a page";
        page.reset();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList())
            << "a cancelled print wrote a file";
        return;
    }
    ASSERT_NE(page, nullptr) << "a confirmed print dialog gave no page";
    fw::Graphics& surface = page->Surface();
    surface.ForeColor(fw::RGB(200, 0, 0));
    surface.PenWidth(2);
    surface.DrawLine(10, 10, 300, 200);
    surface.DrawOval(50, 50, 100, 80);
    surface.DrawString("Varnel", 20, 250, 0.0, false);
    page.reset(); // prints

    ASSERT_TRUE(QFileInfo(pdfPath).isFile()) << "no PDF file written";
    std::string error;
    const std::optional<PdfInfo> info = ReadPdfInfo(pdfPath, error);
    ASSERT_TRUE(info) << error;
    EXPECT_EQ(info->pages, 1);
    EXPECT_NEAR(info->pageSize.width(), paper.width(), 0.5);
    EXPECT_NEAR(info->pageSize.height(), paper.height(), 0.5);
    EXPECT_EQ(info->pageSize.width() > info->pageSize.height(), landscape)
        << "the page is not " << (landscape ? "landscape" : "portrait");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RealPrintDialog,
    ::testing::Values(PrintCase{"OkWithoutPageSetup", Given::NoSetup, Button::Ok},
                      PrintCase{"OkWithUnconfirmedPageSetup", Given::EmptySetup, Button::Ok},
                      PrintCase{"OkWithLetterLandscape", Given::LetterLandscapeSetup, Button::Ok},
                      PrintCase{"CancelWithoutPageSetup", Given::NoSetup, Button::Cancel},
                      PrintCase{"CancelWithLetterLandscape", Given::LetterLandscapeSetup,
                                Button::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace varnel::test
