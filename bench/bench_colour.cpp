// Cost of the colour model on the slider hot path.
#include "colour/Harmonies.h"

#include "BenchReport.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

template <typename Body> double NanosecondsPerCall(int calls, Body body)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        body(i);
    return double(timer.nsecsElapsed()) / calls;
}

volatile ColorRef g_sink; // keeps the optimiser from dropping the work

} // namespace

int main()
{
    Harmonies harmonies{};
    VariationsGrid grid{};
    const int calls = 200000;
    const double withoutGrid = NanosecondsPerCall(calls, [&](int i) {
        ComputeHarmonies(UnpackColour(ColorRef(i * 2654435761u)), harmonies);
        g_sink = harmonies.rows[3];
    });
    const double withGrid = NanosecondsPerCall(calls, [&](int i) {
        const Rgb c = UnpackColour(ColorRef(i * 2654435761u));
        ComputeHarmonies(c, harmonies);
        ComputeVariationsGrid(c, grid);
        g_sink = harmonies.rows[3] ^ grid[5][5];
    });
    QElapsedTimer timer;
    timer.start();
    ColorRef acc = 0;
    for (int i = 0; i < 1000000; ++i) {
        const Hsl hsl = RgbToHsl(UnpackColour(ColorRef(i * 2654435761u)));
        acc ^= PackColour(HslToRgb(hsl));
    }
    g_sink = acc;
    const double pairsMs = timer.nsecsElapsed() / 1e6;

    std::printf("harmonies without grid: %8.2f us per call\n", withoutGrid / 1000);
    std::printf("harmonies with grid:    %8.2f us per call\n", withGrid / 1000);
    std::printf("1,000,000 RgbToHsl + HslToRgb pairs: %8.1f ms\n", pairsMs);
    RecordFigure("harmonies without grid", withoutGrid / 1000, "us");
    RecordFigure("harmonies with grid", withGrid / 1000, "us");
    RecordFigure("1,000,000 RgbToHsl + HslToRgb pairs", pairsMs, "ms");
    return 0;
}
