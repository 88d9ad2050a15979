// Palette figures for 100,000 colours: a ".gpl" must load within 20% of the time
// the same colours take as a ".cll", read alone and loaded into the list; also
// the ".gpl" and ACO exports and the ACO import.
#include "state/ColourList.h"
#include "storage/AcoExport.h"
#include "storage/AcoImport.h"
#include "storage/ColourListFile.h"
#include "storage/GimpPalette.h"
#include "storage/PaletteFiles.h"
#include "storage/TextFile.h"

#include "BenchReport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kItems = 100000;
constexpr int kRuns = 7;

void Report(const char* what, double ms)
{
    std::printf("%-44s %9.1f ms\n", what, ms);
    RecordFigure(what, ms, "ms");
}

void Compare(const char* what, double gplMs, double cllMs)
{
    const double ratio = gplMs / cllMs;
    std::printf("%-44s %9.2f x the .cll  (target <= 1.20: %s)\n", what, ratio,
                ratio <= 1.2 ? "met" : "MISSED");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QRandomGenerator random(2024);
    QStringList items;
    items.reserve(kItems);
    for (int i = 0; i < kItems; ++i)
        items << FormatListItemText(ColorRef(random.bounded(0x1000000)));

    QTemporaryDir dir;
    const QString cll = dir.filePath("big.cll");
    const QString gpl = dir.filePath("big.gpl");
    const QString aco = dir.filePath("big.aco");
    if (!WriteTextFileLines(cll, items))
        return 1;
    QByteArray gplData;
    Report(".gpl export", BestMilliseconds(kRuns, [&] {
               gplData = ExportListAsGimpPalette(QStringLiteral("big"), items);
               return !gplData.isEmpty();
           }));
    QByteArray acoData;
    Report("ACO export (65,535 colours at most)", BestMilliseconds(kRuns, [&] {
               acoData = ExportListAsAco(items);
               return !acoData.isEmpty();
           }));
    if (!WriteWholeFile(gpl, gplData) || !WriteWholeFile(aco, acoData))
        return 1;

    const double cllRead =
        BestMilliseconds(kRuns, [&] { return ReadColourListFile(cll).colours.size() == kItems; });
    const double gplRead =
        BestMilliseconds(kRuns, [&] { return ReadGimpPaletteFile(gpl).colours.size() == kItems; });
    Report(".cll read and convert", cllRead);
    Report(".gpl read and convert", gplRead);

    // Each load starts from an empty list, as at start-up.
    ColourList list;
    const auto emptyList = [&list] { list.NewList(); };
    const double cllLoad = BestMilliseconds(
        kRuns, [&] { return LoadListOrPalette(cll, list).status == ColourListLoadStatus::Loaded; },
        emptyList);
    const double gplLoad = BestMilliseconds(
        kRuns, [&] { return LoadListOrPalette(gpl, list).status == ColourListLoadStatus::Loaded; },
        emptyList);
    Report(".cll load into the list", cllLoad);
    Report(".gpl load into the list", gplLoad);
    Report("ACO load into the list (65,535 colours)",
           BestMilliseconds(
               kRuns,
               [&] { return LoadListOrPalette(aco, list).status == ColourListLoadStatus::Loaded; },
               emptyList));
    if (cllRead < 0 || gplRead < 0 || cllLoad < 0 || gplLoad < 0)
        return 1;
    std::printf("%d colours, best of %d runs\n", kItems, kRuns);
    Compare(".gpl read against .cll read", gplRead, cllRead);
    Compare(".gpl load against .cll load", gplLoad, cllLoad);
    return 0;
}
