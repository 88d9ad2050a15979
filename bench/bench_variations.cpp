// One lightness slider step with the Variations window closed and open: time per
// step, and the heap allocations the open grid adds to a step (should be none).
#include "support/MainWindowKit.h"
#include "support/MainWindowParts.h"
#include "ui/features/VariationsFeature.h"
#include "ui/windows/MainValuesPanel.h"
#include "ui/windows/VariationsWindow.h"

#include "BenchReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> g_allocations{0};

struct StepFigures
{
    double microseconds;
    double allocations;
};

StepFigures MeasureSteps(QScrollBar* lightness, int steps)
{
    const long before = g_allocations.load();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < steps; ++i)
        lightness->setValue(i % 101);
    const double microseconds = double(timer.nsecsElapsed()) / steps / 1000;
    return {microseconds, double(g_allocations.load() - before) / steps};
}

} // namespace

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    MainWindowKit kit(dir.path() + QLatin1Char('/'));
    VariationsFeature variations(kit.context);
    kit.window.show();
    QApplication::processEvents();
    QScrollBar* lightness = ValuesPanelOf(kit.window)->hslBar(2);

    const int steps = 20000;
    MeasureSteps(lightness, 101); // warm up
    const StepFigures closed = MeasureSteps(lightness, steps);
    variations.ShowWindow();
    QApplication::processEvents();
    MeasureSteps(lightness, 101);
    const StepFigures open = MeasureSteps(lightness, steps);
    std::printf("lightness step, Variations closed: %7.2f us, %5.2f allocations\n",
                closed.microseconds, closed.allocations);
    std::printf("lightness step, Variations open:   %7.2f us, %5.2f allocations\n",
                open.microseconds, open.allocations);
    RecordFigure("lightness step, Variations closed", closed.microseconds, "us");
    RecordFigure("lightness step, Variations open", open.microseconds, "us");
    RecordFigure("allocations per step, Variations closed", closed.allocations, "allocations");
    RecordFigure("allocations per step, Variations open", open.allocations, "allocations");
    return 0;
}
