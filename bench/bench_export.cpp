// Export figures: a colour list of 100,000 items as an HTML page and an ACO file.
#include "colour/ColourText.h"
#include "storage/AcoExport.h"
#include "storage/HtmlExport.h"
#include "storage/TextFile.h"

#include "BenchReport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main()
{
    constexpr int kItems = 100000;
    QStringList items;
    items.reserve(kItems);
    for (int i = 0; i < kItems; ++i) {
        const Rgb c = UnpackColour(ColorRef(i * 2654435761u));
        items << QStringLiteral("%1,%2,%3             %4 - %5")
                     .arg(c.red)
                     .arg(c.green)
                     .arg(c.blue)
                     .arg(FormatHashHex(c), FormatPackedText(c).mid(3));
    }
    QTemporaryDir dir;
    QElapsedTimer timer;

    // Best of five builds: the machine is shared, the slowest runs measure the others.
    QByteArray page;
    qint64 build = -1;
    int progressCalls = 0;
    for (int run = 0; run < 5; ++run) {
        page.clear();
        progressCalls = 0;
        timer.start();
        page = ExportListAsHtml(items, [&](int, int) { ++progressCalls; });
        const qint64 elapsed = timer.elapsed();
        build = build < 0 ? elapsed : std::min(build, elapsed);
    }
    timer.restart();
    WriteWholeFile(dir.filePath(QStringLiteral("colours.html")), page);
    std::printf("HTML, %d colours: build %lld ms (best of 5), write %lld ms (%.1f MB, %d progress "
                "calls)\n",
                kItems, build, timer.elapsed(), page.size() / 1e6, progressCalls);
    RecordFigure("HTML build", build, "ms");
    RecordFigure("HTML write", timer.elapsed(), "ms");

    timer.restart();
    const QByteArray aco = ExportListAsAco(items);
    const qint64 acoBuild = timer.elapsed();
    const FileWriteResult written =
        WriteWholeFile(dir.filePath(QStringLiteral("colours.ACO")), aco);
    std::printf("ACO, %d items: build %lld ms, build + write %lld ms (%lld bytes, %d colours: the "
                "format's limit)\n",
                kItems, acoBuild, timer.elapsed(), qint64(aco.size()), kMaxAcoColours);
    RecordFigure("ACO build", acoBuild, "ms");
    RecordFigure("ACO build + write", timer.elapsed(), "ms");
    return written.ok ? 0 : 1;
}
