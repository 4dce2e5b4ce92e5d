// What one canvas paint costs, through our drawing surface and drawn by QPainter directly,
// and how long the program takes from its start to the end of its first paint.
#include "QuietOffscreen.h"
#include "app/Window1.h"
#include "diagram/State.h"
#include "framework/PainterGraphics.h"
#include "framework/RecordingGraphics.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <benchmark/benchmark.h>

#include <chrono>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using varnel::Window1;

Window1* MainWindow(bool busiest) {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    varnel::SetModuleStartValues();
    Window1* w = varnel::Window1Instance();
    if (busiest) {
        for (QCheckBox* box : {w->CheckBox1(), w->CheckBox2(), w->CheckBox3(), w->CheckBox4(),
                               w->CheckBox5(), w->CheckBox6(), w->CheckBox7()})
            box->setChecked(true);
        varnel::eventMarked = true;
        varnel::eventX = 372;
        varnel::eventY = 256;
    }
    return w;
}

void Paint(benchmark::State& state, bool busiest) {
    Window1* w = MainWindow(busiest);
    QImage image(636, 553, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        fw::PainterGraphics g(painter);
        w->Canvas1_Paint(w->Canvas1(), g);
    }
}

// The same primitives, recorded once from a paint, drawn straight onto a QPainter.
void Direct(benchmark::State& state, bool busiest) {
    Window1* w = MainWindow(busiest);
    fw::RecordingGraphics rec;
    w->Canvas1_Paint(w->Canvas1(), rec);
    const auto calls = rec.Calls();
    QImage image(636, 553, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setBrush(Qt::NoBrush);
        QFont font("Arial");
        font.setPixelSize(10);
        painter.setFont(font);
        for (const auto& c : calls) {
            const QColor color(c.color.red, c.color.green, c.color.blue);
            QPen pen(color);
            pen.setWidthF(c.penWidth);
            painter.setPen(pen);
            switch (c.op) {
            case fw::RecordingGraphics::Op::Line:
                painter.drawLine(QLineF(c.a, c.b, c.c, c.d));
                break;
            case fw::RecordingGraphics::Op::Oval:
                painter.drawEllipse(QRectF(c.a, c.b, c.c, c.d));
                break;
            case fw::RecordingGraphics::Op::String:
                painter.drawText(QPointF(c.a, c.b), QString::fromStdString(c.text));
                break;
            case fw::RecordingGraphics::Op::Fill:
                painter.fillRect(QRectF(c.a, c.b, c.c, c.d), color);
                break;
            }
        }
    }
}

void BM_PaintStartState(benchmark::State& s) { Paint(s, false); }
void BM_DirectStartState(benchmark::State& s) { Direct(s, false); }
void BM_PaintBusiestState(benchmark::State& s) { Paint(s, true); }
void BM_DirectBusiestState(benchmark::State& s) { Direct(s, true); }

// From the spawn of the program to the end of its first paint of the canvas, offscreen.
void BM_StartUpToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        std::string fdText = std::to_string(fds[1]);
        char* args[] = {const_cast<char*>(FIRST_PAINT_PROBE), fdText.data(), nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, FIRST_PAINT_PROBE, nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("spawn");
            return;
        }
        close(fds[1]);
        char byte = 0;
        const bool painted = read(fds[0], &byte, 1) == 1;
        const auto end = std::chrono::steady_clock::now();
        close(fds[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!painted) {
            state.SkipWithError("no first paint");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

} // namespace

BENCHMARK(BM_PaintStartState)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DirectStartState)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintBusiestState)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DirectBusiestState)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartUpToFirstPaint)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    int qargc = 1;
    char name[] = "varnel_bench";
    char* qargv[] = {name, nullptr};
    bench::QuietOffscreenPlatform();
    QApplication app(qargc, qargv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
