// Cost of "View as": a whole test area simulated pixel by pixel, the Shape Test's
// area redrawn in a simulated view, and the hard-to-tell-apart search on a list
// of a million colours.
#include "colour/ConfusablePairs.h"
#include "state/ShapeLayouts.h"
#include "ui/windows/ShapeTestArea.h"

#include "BenchReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The median of `runs` timings, in milliseconds.
template <typename Body> double MedianMs(int runs, Body body)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const ColourVision deuteranopia{VisionKind::Deuteranopia, 1.0};

    // Every pixel of a 425 x 385 area through the tables and the matrix.
    QImage picture(kTestAreaWidth, kTestAreaHeight, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 424, y * 255 / 384, (x ^ y) & 255));
    const VisionSimulator simulator(deuteranopia);
    QImage work = picture;
    const double pixelsMs = MedianMs(101, [&] {
        std::copy_n(picture.constBits(), picture.sizeInBytes(), work.bits());
        simulator.SeePixels(reinterpret_cast<std::uint32_t*>(work.bits()),
                            std::size_t(work.width()) * std::size_t(work.height()));
    });

    // The Shape Test's area drawn as on the screen, normal and simulated.
    ShapeTestArea area(nullptr);
    area.resize(kTestAreaWidth, kTestAreaHeight);
    area.BuildLayout(2); // "Page 1": texts, rules and the picture
    QImage target(area.size(), QImage::Format_RGB32);
    const auto redraw = [&] {
        QPainter painter(&target);
        area.render(&painter);
    };
    const double normalMs = MedianMs(51, redraw);
    area.SetVision(deuteranopia);
    const double seenMs = MedianMs(51, redraw);
    const double switchMs = MedianMs(51, [&] { area.SetVision(deuteranopia); });

    // A million listed colours, every deficiency.
    std::vector<ColorRef> colours(1000000);
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = ColorRef(i * 2654435761u) & 0xFFFFFFu;
    std::size_t found = 0;
    const double pairsMs = MedianMs(3, [&] {
        for (const VisionKind kind : {VisionKind::Protanopia, VisionKind::Deuteranopia,
                                      VisionKind::Tritanopia, VisionKind::Achromatopsia}) {
            ConfusionLimits limits;
            limits.maxPairs = 500;
            found += FindConfusablePairs(colours.data(), colours.size(), {kind, 1.0}, limits)
                         .pairs.size();
        }
    });

    std::printf("425 x 385 pixels simulated:           %8.3f ms\n", pixelsMs);
    std::printf("test area redraw, normal view:        %8.3f ms\n", normalMs);
    std::printf("test area redraw, simulated view:     %8.3f ms\n", seenMs);
    std::printf("test area view switch (with picture): %8.3f ms\n", switchMs);
    std::printf("pairs in 1,000,000 colours, 4 kinds:  %8.1f ms (%zu pairs)\n", pairsMs, found / 3);
    RecordFigure("425 x 385 pixels simulated", pixelsMs, "ms");
    RecordFigure("test area redraw, simulated view", seenMs, "ms");
    RecordFigure("test area view switch", switchMs, "ms");
    RecordFigure("pairs in 1,000,000 colours, 4 kinds", pairsMs, "ms");
    return 0;
}
