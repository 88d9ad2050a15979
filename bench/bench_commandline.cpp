// qbkromi --format oklch over 1,000,000 colours read from standard input (a file
// here) and written to standard output (another file): must stay under 1 s. The
// processor time is the figure judged; on a machine shared with other work the
// wall-clock time is printed beside it.
#include "app/CommandLine.h"

#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

int main()
{
    constexpr int kColours = 1000000;
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    for (int i = 0; i < kColours; ++i)
        std::fprintf(in, "#%06X\n", unsigned(i * 2654435761u) & 0xFFFFFFu);
    std::rewind(in);
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    const std::optional<int> status = RunTextCommandLine(
        {QStringLiteral("qbkromi"), QStringLiteral("--format"), QStringLiteral("oklch")}, nullptr,
        CommandLineStreams{in, out, stderr});
    const double seconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall = timer.nsecsElapsed() / 1e9;
    const long written = std::ftell(out);
    std::printf("--format oklch: %d colours in %.3f s of processor time (%.3f s wall clock), "
                "%ld bytes written, status %d%s\n",
                kColours, seconds, wall, written, status.value_or(-1),
                seconds < 1 ? "" : "  TOO SLOW (limit 1 s)");
    return seconds < 1 && status == 0 ? 0 : 1;
}
