#pragma once

#include "app/Window1.h"
#include "app/Window2.h"
#include "diagram/State.h"
#include "framework/Printing.h"
#include "framework/RecordingGraphics.h"
#include "framework/Services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPageLayout>
#include <QPoint>
#include <QPrinter>
#include <QRect>
#include <QRectF>
#include <QRgb>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace varnel::test {

// Closes every open window and lets the toolkit delete them.
inline void CloseAllWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Points, rectangles and colours as failure messages show them.
inline std::string Text(QPoint p) {
    return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")";
}
inline std::string Text(const QRect& r) {
    return Text(r.topLeft()) + " to " + Text(r.bottomRight());
}
inline std::string Text(QRgb c) {
    return "rgb(" + std::to_string(qRed(c)) + ", " + std::to_string(qGreen(c)) + ", " +
           std::to_string(qBlue(c)) + ")";
}

// The style option a control paints itself with; its builder is protected.
template <class Option, class Control> Option StyleOptionOf(const Control* control) {
    struct Access : Control {
        using Control::initStyleOption;
    };
    Option option;
    (control->*&Access::initStyleOption)(&option);
    return option;
}

// Clicks a button as the user does: radio buttons and check boxes on their box, push buttons
// anywhere.
inline void Click(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

// Where the focus goes as the user presses Tab: the names of `count` controls in turn, from
// `first` on, in the active window; a failure where no control has the focus.
inline std::vector<std::string> TabWalk(QWidget* first, std::size_t count) {
    first->setFocus(Qt::TabFocusReason);
    std::vector<std::string> reached;
    for (std::size_t i = 0; i < count; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) {
            ADD_FAILURE() << "no control has the focus";
            break;
        }
        reached.push_back(focus->objectName().toStdString());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return reached;
}

// While it lives, death tests run in the "threadsafe" style: the child runs the test binary
// afresh, with an application of its own, up to the statement that must stop it, instead of
// forking a process that has the toolkit's threads running.
class ThreadsafeDeathTests {
public:
    ThreadsafeDeathTests() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
    ~ThreadsafeDeathTests() { GTEST_FLAG_SET(death_test_style, saved_); }
    ThreadsafeDeathTests(const ThreadsafeDeathTests&) = delete;
    ThreadsafeDeathTests& operator=(const ThreadsafeDeathTests&) = delete;

private:
    std::string saved_ = GTEST_FLAG_GET(death_test_style);
};

// A fresh main window over the start state, as the program opens it.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reopen();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { CloseAllWindows(); }

    // Closes the window and opens a new one over the start state.
    void Reopen() {
        CloseAllWindows();
        SetModuleStartValues();
        window = Window1Instance();
    }

    // What one canvas paint draws now.
    std::vector<fw::RecordingGraphics::Call> Paint() {
        fw::RecordingGraphics g;
        window->Canvas1_Paint(window->Canvas1(), g);
        return g.Calls();
    }

    Window1* window = nullptr;
};

// What was printed on one page: the drawing, and the clip with the number of calls before it.
struct Printed {
    std::vector<fw::RecordingGraphics::Call> calls;
    std::vector<std::pair<QRectF, std::size_t>> clips;
};

// A page that records what is drawn on it and hands the recording back when it is let go of.
class RecordedPage final : public fw::PrintedPage {
public:
    explicit RecordedPage(std::vector<Printed>& printed) : printed_(printed) {}
    ~RecordedPage() override {
        page_.calls = surface_.Calls();
        printed_.push_back(page_);
    }
    fw::Graphics& Surface() override { return surface_; }
    void Clip(double x, double y, double width, double height) override {
        page_.clips.emplace_back(QRectF(x, y, width, height), surface_.Calls().size());
    }

private:
    fw::RecordingGraphics surface_;
    Printed page_;
    std::vector<Printed>& printed_;
};

// The system's services as the tests want them. The dialogs answer as told: a confirmed page
// setup chooses US Letter landscape with 12 mm margins; a confirmed print hands out a recorded
// page or a page of a PDF file. Addresses handed to the system and pictures asked for are
// recorded; the pictures come from the program's resources unless a test loads them
// otherwise. A dialog or an address that the test does not expect fails it.
class FakeServices final : public fw::SystemServices {
public:
    enum class PrintAnswer { Cancel, Record, Pdf };

    bool expectsDialogs = true;
    bool expectsAddresses = true;

    std::deque<bool> pageSetupAnswers;
    PrintAnswer printAnswer = PrintAnswer::Cancel;
    QString pdfPath;
    std::function<QImage(const std::string&)> loadPicture = [](const std::string& name) {
        return fw::QtSystemServices().OpenPictureFromApp(name);
    };

    std::vector<fw::PrinterSetup*> pageSetupDialogsOn;
    std::vector<const fw::PrinterSetup*> printDialogsWith;
    std::vector<Printed> printed;
    QRectF pdfPaper, pdfPrintable; // in units of 1/96 inch
    std::vector<std::string> urls;
    std::vector<std::string> picturesAskedFor;

    static QPageLayout ChosenLayout() {
        return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                           QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    }

    bool PageSetupDialog(fw::PrinterSetup& setup) override {
        pageSetupDialogsOn.push_back(&setup);
        if (!expectsDialogs || pageSetupAnswers.empty()) {
            ADD_FAILURE() << "an unexpected page setup";
            return false;
        }
        const bool confirmed = pageSetupAnswers.front();
        pageSetupAnswers.pop_front();
        if (confirmed)
            setup.pageLayout = ChosenLayout();
        return confirmed;
    }

    std::unique_ptr<fw::PrintedPage> PrintDialog(const fw::PrinterSetup* setup) override {
        printDialogsWith.push_back(setup);
        if (!expectsDialogs) {
            ADD_FAILURE() << "an unexpected print dialog";
            return nullptr;
        }
        switch (printAnswer) {
        case PrintAnswer::Cancel:
            return nullptr;
        case PrintAnswer::Record:
            return std::make_unique<RecordedPage>(printed);
        case PrintAnswer::Pdf: {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath);
            fw::ApplyPageSetup(*printer, setup);
            const QPageLayout layout = printer->pageLayout();
            pdfPaper = layout.fullRectPixels(96);
            pdfPrintable = layout.paintRectPixels(96);
            return fw::BeginPrinting(std::move(printer));
        }
        }
        return nullptr;
    }

    void ShowURL(const std::string& url) override {
        if (!expectsAddresses)
            ADD_FAILURE() << "an unexpected address: " << url;
        urls.push_back(url);
    }
    QImage OpenPictureFromApp(const std::string& name) override {
        picturesAskedFor.push_back(name);
        return loadPicture(name);
    }
};

// A main window whose system services are the fake ones, from before it opens until after it
// has closed.
class FakeServicesTest : public MainWindowTest {
protected:
    void SetUp() override {
        previous_ = fw::SetSystemServices(&fake);
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        fw::SetSystemServices(previous_);
    }

    FakeServices fake;

private:
    fw::SystemServices* previous_ = nullptr;
};

// The main window with the fake services, and the about window chosen over it as the menu bar
// chooses it. The about window runs no dialog; its picture is loaded afresh for each test.
class AboutWindowFixture : public FakeServicesTest {
protected:
    void SetUp() override {
        fake.expectsDialogs = false;
        ForgetAboutPicture();
        FakeServicesTest::SetUp();
    }
    void TearDown() override {
        FakeServicesTest::TearDown();
        ForgetAboutPicture();
    }

    // Chooses "About ..." as the menu bar does, by the item's name.
    Window2* ChooseAbout() {
        EXPECT_TRUE(window->RunMenuHandler("aboutItem"));
        return dynamic_cast<Window2*>(fw::Window::ImplicitWindow(Window2::className));
    }
};

} // namespace varnel::test
