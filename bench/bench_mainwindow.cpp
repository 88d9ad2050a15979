// One lightness slider step through the real main window: the model change,
// UpdateHarmonies and every widget update, without the paint itself.
#include "support/FakePlatform.h"
#include "support/MainWindowParts.h"
#include "ui/Commands.h"
#include "ui/windows/MainValuesPanel.h"
#include "ui/windows/MainWindow.h"

#include "BenchReport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FakePlatform fake;
    Platform platform = fake.platform();
    MainColour mainColour;
    CommandTable commands;
    MainWindow window(platform, mainColour, QDir::tempPath(), commands);
    window.show();
    QApplication::processEvents();
    QScrollBar* lightness = ValuesPanelOf(window)->hslBar(2);
    QScrollBar* red = ValuesPanelOf(window)->rgbBar(0);

    const int steps = 20000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < steps; ++i)
        lightness->setValue(i % 101);
    const double hslStep = double(timer.nsecsElapsed()) / steps / 1000;
    timer.restart();
    for (int i = 0; i < steps; ++i)
        red->setValue(i % 256);
    const double rgbStep = double(timer.nsecsElapsed()) / steps / 1000;
    std::printf("lightness slider step: %7.2f us\n", hslStep);
    std::printf("red slider step:       %7.2f us\n", rgbStep);
    RecordFigure("lightness slider step", hslStep, "us");
    RecordFigure("red slider step", rgbStep, "us");
    return 0;
}
