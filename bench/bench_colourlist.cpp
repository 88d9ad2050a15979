// Colour list speed: loading 100,000 and 1,000,000 items, de-duplicating, saving and
// drawing 100,000. Targets: load + first paint under 0.5 s (both sizes),
// ClearDuplicateColours under 0.1 s.

#include "state/ColourList.h"
#include "storage/ColourListFile.h"
#include "ui/widgets/ColourListView.h"

#include "BenchReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kItems = 100000;

double Milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void Report(const char* what, double ms, double targetMs = 0)
{
    if (targetMs > 0)
        std::printf("%-46s %9.1f ms  (target < %.0f ms: %s)\n", what, ms, targetMs,
                    ms < targetMs ? "met" : "MISSED");
    else
        std::printf("%-46s %9.1f ms\n", what, ms);
    RecordFigure(what, ms, "ms");
}

// Every twentieth line repeats an earlier colour, as a hand-merged list would.
QByteArray ListFileContent(QRandomGenerator& random, int lines)
{
    QByteArray data;
    QList<ColorRef> written;
    for (int i = 0; i < lines; ++i) {
        const ColorRef colour = i % 20 == 19 ? written.at(random.bounded(int(written.size())))
                                             : ColorRef(random.bounded(0x1000000));
        written.append(colour);
        data += FormatListItemText(colour).toLatin1() + "\r\n";
    }
    return data;
}

QImage RenderViewport(QWidget* viewport)
{
    QImage image(viewport->size(), QImage::Format_RGB32);
    viewport->render(&image);
    return image;
}

// Loads a file of `lines` lines into `list` shown in `view`, as at start-up, and
// reports the parts. False when the file could not be written or loaded.
bool MeasureLoad(int lines, const QString& path, QRandomGenerator& random, ColourList& list,
                 ColourListView& view)
{
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(ListFileContent(random, lines)) < 0)
            return false;
    }
    QElapsedTimer total;
    total.start();
    QElapsedTimer step;
    step.start();
    const ColourListLoadResult loaded = LoadColourList(path, list);
    const double loadMs = Milliseconds(step);
    step.restart();
    view.show();
    QImage frame = RenderViewport(view.viewport());
    const double paintMs = Milliseconds(step);
    const double loadAndPaintMs = Milliseconds(total);
    if (loaded.status != ColourListLoadStatus::Loaded || frame.isNull())
        return false;
    std::printf("%d lines loaded as %d items\n", lines, list.count());
    Report("load (read, convert, one model reset)", loadMs);
    Report("first paint", paintMs);
    Report("load + first paint", loadAndPaintMs, 500);

    // The same work in its two parts, now that the allocator is warm.
    QElapsedTimer phase;
    phase.start();
    const ColourListFileContent content = ReadColourListFile(path);
    const double readMs = Milliseconds(phase);
    phase.restart();
    ColourList scratch;
    scratch.ReplaceWithLoadedColours(content.colours);
    Report("  read and convert the file", readMs);
    Report("  fill a model", Milliseconds(phase));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QRandomGenerator random(2024);
    QTemporaryDir dir;

    {
        ColourList list;
        ColourListView view;
        view.SetColourList(&list);
        view.resize(169, 305);
        if (!MeasureLoad(kItems * 10, dir.filePath("huge.cll"), random, list, view))
            return 1;
    }

    ColourList list;
    ColourListView view;
    view.SetColourList(&list);
    view.resize(169, 305);
    if (!MeasureLoad(kItems, dir.filePath("big.cll"), random, list, view))
        return 1;
    QImage frame;
    QElapsedTimer step;

    QScrollBar* bar = view.verticalScrollBar();
    int pages = 0;
    step.start();
    for (int value = 0; value <= bar->maximum() && pages < 500; value += bar->pageStep()) {
        bar->setValue(value);
        frame = RenderViewport(view.viewport());
        ++pages;
    }
    bar->setValue(bar->maximum());
    frame = RenderViewport(view.viewport());
    ++pages;
    RecordFigure("scroll by a page and paint", Milliseconds(step) / pages, "ms");
    std::printf("%-46s %9.3f ms per page (%d pages)\n", "scroll by a page and paint",
                Milliseconds(step) / pages, pages);
    step.restart();
    view.SetSmallMode(true);
    frame = RenderViewport(view.viewport());
    Report("switch to small items and paint", Milliseconds(step));

    step.restart();
    const bool saved = bool(SaveColourList(dir.filePath("saved.cll"), list));
    Report("save", Milliseconds(step));
    if (!saved)
        return 1;

    // Repeats only come from outside the add operations; build a list that has them.
    QList<ColourListItem> items;
    items.reserve(kItems);
    for (int i = 0; i < kItems; ++i) {
        const ColorRef colour = ColorRef(random.bounded(0x1000000)) % (kItems * 9 / 10);
        items.append(ColourListItem{FormatListItemText(colour), colour});
    }
    list.ReplaceItems(items);
    step.restart();
    list.ClearDuplicateColours();
    const double clearMs = Milliseconds(step);
    std::printf("ClearDuplicateColours removed %d of %d items\n", kItems - list.count(), kItems);
    Report("ClearDuplicateColours, with repeats", clearMs, 100);
    step.restart();
    list.ClearDuplicateColours();
    Report("ClearDuplicateColours, no repeats left", Milliseconds(step), 100);
    return 0;
}
