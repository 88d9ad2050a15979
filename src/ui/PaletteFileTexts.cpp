#include "ui/PaletteFileTexts.h"

#include <QStringList>

namespace {

constexpr std::array<PaletteFileTexts, kListFileKinds> kTexts{{
    {ListFileKind::ColourList, "QB Color List", "*.cll", nullptr, nullptr, nullptr},
    {ListFileKind::Aco, "Photoshop ACO File", "*.aco;*.ACO", "Export as &ACO", "*.ACO", "ACO"},
    {ListFileKind::GimpPalette, "GIMP Palette", "*.gpl", "Export as &GIMP Palette", "*.gpl", "gpl"},
}};

constexpr bool EveryKindOnce()
{
    for (int kind = 0; kind < kListFileKinds; ++kind) {
        int rows = 0;
        for (const PaletteFileTexts& texts : kTexts)
            rows += int(texts.kind) == kind;
        if (rows != 1)
            return false;
    }
    return true;
}
static_assert(EveryKindOnce(), "one row of texts per ListFileKind");

} // namespace

const std::array<PaletteFileTexts, kListFileKinds>& PaletteFileTextRows()
{
    return kTexts;
}

const PaletteFileTexts& PaletteFileTextsOf(ListFileKind kind)
{
    for (const PaletteFileTexts& texts : kTexts)
        if (texts.kind == kind)
            return texts;
    Q_UNREACHABLE();
}

QString LoadListFilter()
{
    QStringList pairs;
    QStringList allPatterns;
    for (const ListFileFormat& format : ListFileFormats()) {
        const PaletteFileTexts& texts = PaletteFileTextsOf(format.kind);
        if (!texts.loadPatterns)
            continue;
        pairs << QLatin1String(texts.name) << QLatin1String(texts.loadPatterns);
        allPatterns << QLatin1String(texts.loadPatterns);
    }
    pairs << QStringLiteral("Color Lists and Palettes") << allPatterns.join(QLatin1Char(';'));
    return pairs.join(QLatin1Char('|'));
}

FileDialogRequest ExportFileRequest(ListFileKind kind)
{
    const PaletteFileTexts& texts = PaletteFileTextsOf(kind);
    FileDialogRequest request;
    request.title = QLatin1String(texts.exportMenuText).toString().remove(QLatin1Char('&'));
    request.filter =
        QLatin1String(texts.name) + QLatin1Char('|') + QLatin1String(texts.exportPatterns);
    request.defaultExtension = QLatin1String(texts.exportExtension);
    request.overwritePrompt = true;
    return request;
}
