#include "storage/PaletteFiles.h"

#include "state/ColourList.h"
#include "storage/AcoImport.h"
#include "storage/GimpPalette.h"
#include "storage/RecentLists.h"

#include <QFileInfo>

ListFileKind ListFileKindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("gpl"), Qt::CaseInsensitive) == 0)
        return ListFileKind::GimpPalette;
    if (suffix.compare(QLatin1String("aco"), Qt::CaseInsensitive) == 0)
        return ListFileKind::Aco;
    return ListFileKind::ColourList;
}

bool IsDroppableListFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix == QLatin1String("cll") || suffix == QLatin1String("gpl");
}

ListLoadResult LoadListOrPalette(const QString& path, ColourList& list, RecentLists* recent,
                                 const ProgressCallback& progress)
{
    const ListFileKind kind = ListFileKindOf(path);
    if (kind == ListFileKind::ColourList) {
        const ColourListLoadResult loaded = LoadColourList(path, list, recent, progress);
        return {loaded.status, loaded.error, loaded.notice, loaded.mainColour, loaded.heldNoColours};
    }
    const PaletteFileContent content =
        kind == ListFileKind::GimpPalette ? ReadGimpPaletteFile(path, progress) : ReadAcoFile(path);
    ListLoadResult result{content.status, content.error, content.notice, std::nullopt};
    if (content.status != ColourListLoadStatus::Loaded)
        return result;
    result.mainColour = list.ReplaceWithLoadedColours(content.colours);
    list.SetCurrentListPath(QString());
    list.SetChanged(false);
    // The list stands for no list file: unchanged, it is written nowhere at exit (not
    // over the default list), and the palette's names are not kept anyway.
    list.SetNotReadInFull(true);
    if (recent)
        recent->AddLoadedList(path);
    return result;
}
