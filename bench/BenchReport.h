#pragma once
// The figures of a benchmark in machine-readable form. When KROMI_BENCH_RESULTS
// names a file (tools/run-benchmarks sets it), RecordFigure appends one line
// "<figure>\t<value>\t<unit>" to it; tools/bench-compare reads those. Lower is
// better, except for units ending in "/s". The printed report stays as it is.

#include <QByteArray>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

inline void RecordFigure(const char* figure, double value, const char* unit)
{
    const char* path = std::getenv("KROMI_BENCH_RESULTS");
    if (!path || !*path)
        return;
    if (std::FILE* file = std::fopen(path, "a")) {
        // QByteArray::number, not printf: the C library's locale may use a decimal comma.
        std::fprintf(file, "%s\t%s\t%s\n", figure, QByteArray::number(value, 'g', 6).constData(),
                     unit);
        std::fclose(file);
    }
}

// The fastest of `runs` runs of `work` in milliseconds, -1 when a run fails: the
// machine is shared, and the slow runs measure the others. `prepare` runs before
// each run, untimed.
inline double BestMilliseconds(
    int runs, const std::function<bool()>& work, const std::function<void()>& prepare = [] {})
{
    double best = -1;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return -1;
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}
