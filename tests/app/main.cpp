#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// What a user's shell may hand the toolkit that changes how big windows and text come out, which
// way they run, or which style and theme draw them: the window tests read grabs as window
// coordinates and measure text in the fonts they expect, so none of it reaches them.
constexpr const char* userLookSettings[] = {
    "QT_SCALE_FACTOR",
    "QT_SCREEN_SCALE_FACTORS",
    "QT_FONT_DPI",
    "QT_ENABLE_HIGHDPI_SCALING",
    "QT_SCALE_FACTOR_ROUNDING_POLICY",
    "QT_USE_PHYSICAL_DPI",
    "QT_DPI_ADJUSTMENT_POLICY",
    "QT_WIDGETS_HIGHDPI_DOWNSCALE",
    "QT_SUBPIXEL_AA_TYPE",
    "QT_QPA_PLATFORMTHEME",
    "QT_STYLE_OVERRIDE",
    "QT_LAYOUT_DIRECTION",
};

// Set to the home folder of the tests' own: processes the tests start (death tests, the real
// program) find their environment made already.
constexpr const char* ownHomeVariable = "VARNEL_TEST_HOME";

// Gives the tests an environment of their own: the offscreen platform, whatever the shell
// names (a desktop's platform would bring its own scaling, fonts and theme), none of the
// settings above, and an empty home folder, so that no per-user configuration (fontconfig's hinting
// and colour fringes, for one) is read. The machine's own fonts and font configuration stay. Font
// caches stay where the user has them, so that fonts are not scanned afresh. Returns the folder,
// which lives as long as the tests run; null where a parent process made the environment already.
std::unique_ptr<QTemporaryDir> OwnEnvironment() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : userLookSettings)
        qunsetenv(name);
    if (qEnvironmentVariableIsSet(ownHomeVariable))
        return nullptr;
    auto home = std::make_unique<QTemporaryDir>();
    if (!home->isValid()) {
        std::fprintf(stderr, "no temporary folder for the tests' home: %s\n",
                     qPrintable(home->errorString()));
        std::exit(1);
    }
    if (qEnvironmentVariableIsEmpty("XDG_CACHE_HOME"))
        qputenv("XDG_CACHE_HOME", QFile::encodeName(QDir::homePath()) + "/.cache");
    const QByteArray path = QFile::encodeName(home->path());
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", ownHomeVariable})
        qputenv(name, path);
    return home;
}

} // namespace

// The window tests drive real widgets, so one application object runs under all of them,
// headless.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const std::unique_ptr<QTemporaryDir> home = OwnEnvironment();
    QApplication app(argc, argv);
    // A setting that the list above misses would scale every grab.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->devicePixelRatio() != 1) {
        std::fprintf(
            stderr, "the window tests need a screen that does not scale; %s\n",
            screen ? qPrintable(QString("this one scales by %1").arg(screen->devicePixelRatio()))
                   : "there is none");
        return 1;
    }
    return RUN_ALL_TESTS();
}
