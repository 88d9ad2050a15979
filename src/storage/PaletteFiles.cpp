#include "storage/PaletteFiles.h"

#include "state/ColourList.h"
#include "storage/AcoExport.h"
#include "storage/AcoImport.h"
#include "storage/AseFile.h"
#include "storage/CodeExports.h"
#include "storage/GimpPalette.h"
#include "storage/RecentLists.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Enough for the signatures: a list item line is at most 40 characters, and blank
// lines before it are rare.
constexpr qint64 kHeadBytes = 4096;

bool LooksLikeColourList(QByteArrayView head)
{
    for (QByteArrayView line : SplitTextLines(head)) {
        if (line.trimmed().isEmpty())
            continue;
        // Both halves of an item line: the "#RRGGBB" shown and the "- BBGGRR" read.
        return ListItemColour(QString::fromLatin1(line)).has_value() &&
               ConvertColourListLine(line).colour.has_value();
    }
    return false;
}

// In ListFileKind order.
constexpr std::array<ListFileFormat, kListFileKinds> kFormats{{
    {ListFileKind::ColourList, "cll", LooksLikeColourList, nullptr, nullptr, true},
    {ListFileKind::GimpPalette, "gpl", LooksLikeGimpPalette,
     [](const QString& path, const ProgressCallback& progress) {
         return ReadGimpPaletteFile(path, progress);
     },
     ExportListAsGimpPalette, true},
    {ListFileKind::Aco, "aco", LooksLikeAco,
     [](const QString& path, const ProgressCallback&) { return ReadAcoFile(path); },
     [](const QString&, const QStringList& itemTexts) { return ExportListAsAco(itemTexts); },
     false},
    {ListFileKind::Ase, "ase", LooksLikeAse,
     [](const QString& path, const ProgressCallback&) { return ReadAseFile(path); },
     [](const QString&, const QStringList& itemTexts) { return ExportListAsAse(itemTexts); }, true},
    {ListFileKind::Css, "css", nullptr, nullptr,
     [](const QString&, const QStringList& itemTexts) { return ExportListAsCss(itemTexts); },
     false},
    {ListFileKind::Scss, "scss", nullptr, nullptr,
     [](const QString&, const QStringList& itemTexts) { return ExportListAsScss(itemTexts); },
     false},
    {ListFileKind::DesignTokens, "json", nullptr, nullptr,
     [](const QString&, const QStringList& itemTexts) {
         return ExportListAsDesignTokens(itemTexts);
     },
     false},
}};

constexpr bool RowsMatchTheirKinds()
{
    for (int i = 0; i < kListFileKinds; ++i)
        if (int(kFormats[i].kind) != i)
            return false;
    return true;
}
static_assert(RowsMatchTheirKinds(), "one row per ListFileKind, in order");

std::optional<ListFileKind> KindOfExtension(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const ListFileFormat& format : kFormats)
        if ((format.read || format.kind == ListFileKind::ColourList) &&
            suffix.compare(QLatin1String(format.extension), Qt::CaseInsensitive) == 0)
            return format.kind;
    return std::nullopt;
}

QString DotExtension(const ListFileFormat& format)
{
    return QLatin1Char('.') + QLatin1String(format.extension);
}

} // namespace

const std::array<ListFileFormat, kListFileKinds>& ListFileFormats()
{
    return kFormats;
}

const ListFileFormat& ListFileFormatOf(ListFileKind kind)
{
    return kFormats[size_t(kind)];
}

ListFileKind ListFileKindOf(const QString& path)
{
    return KindOfExtension(path).value_or(ListFileKind::ColourList);
}

std::optional<ListFileKind> ListFileKindOfContent(QByteArrayView head)
{
    for (const ListFileFormat& format : kFormats)
        if (format.looksLike && format.looksLike(head))
            return format.kind;
    return std::nullopt;
}

std::optional<ListFileKind> DetectListFileKind(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ListFileKindOf(path);
    const QByteArray head = file.read(kHeadBytes);
    if (const std::optional<ListFileKind> kind = ListFileKindOfContent(head))
        return kind;
    // A file of a known extension that does not look like it goes to its reader,
    // which loads it as it always has (a list with odd lines) or says what is wrong.
    return KindOfExtension(path);
}

bool IsDroppableListFile(const QString& path)
{
    for (const ListFileFormat& format : kFormats)
        if (format.dropLoads && path.endsWith(DotExtension(format)))
            return true;
    return false;
}

QString NotAColourFileMessage(const QString& path)
{
    QStringList extensions;
    for (const ListFileFormat& format : kFormats)
        if (format.looksLike)
            extensions << DotExtension(format);
    return QStringLiteral("The file '%1' is not a colour file. QB Kromi loads %2.")
        .arg(path, extensions.join(QStringLiteral(", ")));
}

ListLoadResult LoadListOrPalette(const QString& path, ColourList& list, RecentLists* recent,
                                 const ProgressCallback& progress)
{
    const std::optional<ListFileKind> kind = DetectListFileKind(path);
    if (!kind)
        return {ColourListLoadStatus::Failed, NotAColourFileMessage(path), QString(), std::nullopt};
    if (*kind == ListFileKind::ColourList) {
        const ColourListLoadResult loaded = LoadColourList(path, list, recent, progress);
        return {loaded.status, loaded.error, loaded.notice, loaded.mainColour,
                loaded.heldNoColours};
    }
    const PaletteFileContent content = ListFileFormatOf(*kind).read(path, progress);
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
