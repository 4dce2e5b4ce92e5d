// Runs the program's own start-up and writes one byte to the descriptor named by its argument
// as soon as the first paint of the diagram canvas has ended; then quits.
#include "QuietOffscreen.h"
#include "app/Startup.h"
#include "framework/Application.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdlib>
#include <unistd.h>

namespace {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(int fd) : fd_(fd) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->objectName() == "Canvas1") {
            done_ = true;
            // Runs once the paint that is about to be delivered has finished.
            QTimer::singleShot(0, [fd = fd_] {
                const char byte = 1;
                [[maybe_unused]] auto n = ::write(fd, &byte, 1);
                fw::Quit(0);
            });
        }
        return false;
    }

private:
    int fd_;
    bool done_ = false;
};

int argcStore = 1;
char name[] = "first_paint_probe";
char* argvStore[] = {name, nullptr};

} // namespace

int main(int argc, char** argv) {
    const int fd = argc > 1 ? std::atoi(argv[1]) : 1;
    bench::QuietOffscreenPlatform();
    QApplication app(argcStore, argvStore); // the program's runtime reuses it
    FirstPaint probe(fd);
    app.installEventFilter(&probe);
    return varnel::ProgramMain();
}
