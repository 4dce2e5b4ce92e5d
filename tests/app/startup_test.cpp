// The life of the program in-process: start values before anything exists, the application
// object with its version data and menu bar, the one main window, quitting, and the release
// of the module's references in order.
#include "AppTestSupport.h"

#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "app/Window2.h"
#include "diagram/KoordSys.h"
#include "diagram/Thing.h"
#include "framework/Application.h"
#include "framework/Printing.h"

#include <QAction>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace varnel::test {

namespace {

struct Variable {
    const char* name;
    bool (*empty)();
};

// The references released at shut-down, in their order.
const Variable kReleased[] = {
    {"blackSystem", [] { return blackSystem == nullptr; }},
    {"blackObject", [] { return blackObject == nullptr; }},
    {"printerSetup", [] { return printerSetup == nullptr; }},
    {"redSystem", [] { return redSystem == nullptr; }},
    {"redObject", [] { return redObject == nullptr; }},
    {"spaceUnit", [] { return spaceUnit.empty(); }},
    {"timeUnit", [] { return timeUnit.empty(); }},
    {"menuBar1", [] { return menuBar1 == nullptr; }},
};

struct Report {
    std::string name;
    std::vector<bool> empty; // of every variable above, at the time of the report
};

// What a look from inside the event loop finds.
struct Running {
    bool looked = false;
    int mainWindows = 0;
    int windows = 0;
    bool aboutOpen = true;
    bool appHoldsTheMenuBar = false;
    std::vector<std::string> shownMenus;
    fw::Application::VersionData version;
    int canvasWidth = 0;
};

// Ctrl+Q typed into the window, brought to the front first.
void PressCtrlQ(QWidget* window) {
    window->activateWindow();
    if (QTest::qWaitForWindowActive(window))
        QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
}

Running LookAround() {
    Running r;
    r.looked = true;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        if (dynamic_cast<fw::Window*>(w))
            ++r.windows;
        if (dynamic_cast<Window1*>(w))
            ++r.mainWindows;
    }
    r.aboutOpen = fw::Window::ImplicitWindow("Window2.Window2") != nullptr;
    if (fw::Application* app = fw::CurrentApplication()) {
        r.appHoldsTheMenuBar = app->GetMenuBar() != nullptr && app->GetMenuBar() == menuBar1;
        r.version = app->Version();
    }
    if (auto* w = dynamic_cast<Window1*>(fw::Window::ImplicitWindow(Window1::className))) {
        // The window shows only a bar the application held when the window was laid out.
        if (QMenuBar* bar = w->ShownMenuBar())
            for (QAction* a : bar->actions())
                r.shownMenus.push_back(a->text().toStdString());
    }
    r.canvasWidth = canvasWidth;
    return r;
}

} // namespace

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAllWindows();
        menuBar1 = nullptr;
        onGlobalReleased = [this](std::string_view name) {
            Report report{std::string(name), {}};
            for (const Variable& v : kReleased)
                report.empty.push_back(v.empty());
            reports.push_back(std::move(report));
        };
    }
    void TearDown() override {
        onGlobalReleased = nullptr;
        CloseAllWindows();
        fw::RuntimeExit();
        menuBar1 = nullptr;
    }

    std::vector<Report> reports;
};

TEST_F(StartupTest, StartValuesHoldBeforeTheApplicationObjectExists) {
    originX = 1;
    originY = 2;
    beta = -0.3;
    viewpoint = 1;
    timeValue = -5;
    unitSetting = 9;
    spaceUnit = " km";
    timeUnit = " ms";
    eventMarked = draggingOrigin = isUpdating = hasPageSetup = true;
    blackSystem = std::make_shared<KoordSys>();
    redObject = std::make_shared<Thing>();
    printerSetup = std::make_shared<fw::PrinterSetup>();
    menuBar1 = std::make_shared<MenuBar1>();

    RegisterClassesAndGlobals();

    struct Row {
        const char* name;
        double got;
        double want;
    };
    const Row rows[] = {
        {"originX", double(originX), 300},
        {"originY", double(originY), 400},
        {"beta", beta, 0.6},
        {"viewpoint", double(viewpoint), 0},
        {"timeValue", double(timeValue), 72},
        {"unitSetting", double(unitSetting), 3},
        {"eventMarked", double(eventMarked), 0},
        {"draggingOrigin", double(draggingOrigin), 0},
        {"isUpdating", double(isUpdating), 0},
        {"hasPageSetup", double(hasPageSetup), 0},
        {"spaceUnit empty", double(spaceUnit.empty()), 1},
        {"timeUnit empty", double(timeUnit.empty()), 1},
        {"no black system yet", double(blackSystem == nullptr), 1},
        {"no red object yet", double(redObject == nullptr), 1},
        {"no page setup yet", double(printerSetup == nullptr), 1},
        {"no menu bar yet", double(menuBar1 == nullptr), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.got, row.want);
    }
    EXPECT_EQ(fw::CurrentApplication(), nullptr);
    EXPECT_EQ(fw::Window::ImplicitWindow(Window1::className), nullptr);
}

TEST_F(StartupTest, RunsOneMainWindowUntilQuitAndReleasesInOrder) {
    struct Row {
        const char* name;
        std::function<void(Window1*)> quit;
    };
    const Row rows[] = {
        {"File menu's quit item",
         [](Window1* w) {
             QAction* quit =
                 w->ShownMenuBar() ? w->ShownMenuBar()->findChild<QAction*>("FileQuit") : nullptr;
             if (quit)
                 quit->trigger();
         }},
        {"Quit button", [](Window1* w) { w->PushButton3()->click(); }},
        {"quit item's shortcut in the main window", [](Window1* w) { PressCtrlQ(w); }},
        {"quit item's shortcut in the about window",
         [](Window1*) { PressCtrlQ(Window2Instance()); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CloseAllWindows();
        reports.clear();
        Running running;
        QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            running = LookAround();
            if (auto* w = dynamic_cast<Window1*>(fw::Window::ImplicitWindow(Window1::className)))
                row.quit(w);
        });
        // Should quitting fail, the loop still ends, with a status that tells.
        QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(99); });

        EXPECT_EQ(ProgramMain(), 0);

        EXPECT_TRUE(running.looked);
        EXPECT_EQ(running.mainWindows, 1);
        EXPECT_EQ(running.windows, 1);
        EXPECT_FALSE(running.aboutOpen);
        EXPECT_TRUE(running.appHoldsTheMenuBar);
        EXPECT_EQ(running.shownMenus, (std::vector<std::string>{"About ...", "File", "&Edit"}))
            << "the bar was the application's before the main window opened";
        EXPECT_EQ(running.canvasWidth, 636) << "the main window's Open set the diagram up";
        const fw::Application::VersionData& v = running.version;
        EXPECT_EQ(std::vector<int>({v.majorVersion, v.minorVersion, v.bugVersion,
                                    v.nonReleaseVersion, v.stageCode}),
                  std::vector<int>({1, 0, 0, 0, 0}));
        EXPECT_EQ(v.longVersion, "");
        EXPECT_EQ(v.shortVersion, "");
        EXPECT_EQ(v.packageInfo, "");

        ASSERT_EQ(reports.size(), std::size(kReleased));
        for (std::size_t i = 0; i < reports.size(); ++i) {
            SCOPED_TRACE(kReleased[i].name);
            EXPECT_EQ(reports[i].name, kReleased[i].name);
            // This one and those before it are nil by its report, those after not yet.
            for (std::size_t j = 0; j < std::size(kReleased); ++j)
                EXPECT_EQ(reports[i].empty[j], j <= i) << kReleased[j].name;
        }

        // The numbers and flags stay as they were; the runtime has let the application go.
        EXPECT_EQ(canvasWidth, 636);
        EXPECT_EQ(canvasHeight, 553);
        EXPECT_EQ(originX, 300);
        EXPECT_EQ(beta, 0.6);
        EXPECT_EQ(unitSetting, 3);
        EXPECT_EQ(spaceFactor, 3);
        EXPECT_EQ(timeFactor, 10);
        EXPECT_EQ(fw::CurrentApplication(), nullptr);
        EXPECT_EQ(fw::Window::ImplicitWindow(Window1::className), nullptr)
            << "shut-down closes the windows before the toolkit goes";
        CloseAllWindows();
    }
}

// The real program, started on its own and quit as a user quits it, ends with the status 0:
// it lets go of the toolkit before the process ends. Quitting from a zero-delay timer once the
// main window is up (see tests/program/QuitAtStart.cpp).
TEST(ProgramProcess, QuitsWithTheStatusZero) {
    struct Row {
        const char* name;
        const char* way;
        const char* said;
    };
    const Row rows[] = {
        {"Quit button", "button", "clicking the Quit button"},
        {"File menu's Quit", "menu", "choosing File > Quit"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUIT_BY", row.way);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QUITTING_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted(30000)) << program.errorString().toStdString();
        const bool ended = program.waitForFinished(120000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        const std::string out = program.readAllStandardOutput().toStdString();
        const std::string err = program.readAllStandardError().toStdString();
        ASSERT_TRUE(ended) << "the program did not end; it said: " << out << err;
        EXPECT_NE(out.find(row.said), std::string::npos) << out;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << err;
        EXPECT_EQ(program.exitCode(), 0) << err;
    }
}

} // namespace varnel::test
