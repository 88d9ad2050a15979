#include "FuzzTargets.h"

#include "colour/SchemeColourText.h"
#include "colour/WheelStyle.h"
#include "state/ColourList.h"
#include "state/ColourScheme.h"
#include "state/HistoryList.h"
#include "state/WebPageStyle.h"
#include "storage/AcoImport.h"
#include "storage/AseFile.h"
#include "storage/ColourListFile.h"
#include "storage/GimpPalette.h"
#include "storage/HistoryFile.h"
#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"
#include "storage/TextFile.h"
#include "storage/WebStyleFile.h"

#include <cstdlib>
#include <cstring>

namespace {

QByteArrayView Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

int ColourListFile(const std::uint8_t* data, std::size_t size)
{
    const ColourListFileContent content = ParseColourListData(Bytes(data, size));
    if (content.status == ColourListLoadStatus::Loaded) {
        ColourList list;
        list.ReplaceWithLoadedColours(content.colours, content.notes);
        for (const ColourListItem& item : list.items())
            ListItemColour(item.text);
        // What is written back, kept lines included, reads back as the list.
        if (list.count() > 0)
            list.DeleteRows({0});
        const ColourListFileContent again = ParseColourListData(ColourListFileText(list));
        QList<ColorRef> colours;
        for (int row = 0; row < list.count(); ++row)
            colours.append(list.colourAt(row));
        if (again.status != ColourListLoadStatus::Loaded || again.colours != colours)
            std::abort();
    }
    return 0;
}

int Settings(const std::uint8_t* data, std::size_t size)
{
    SettingsStore store;
    store.LoadData(Bytes(data, size));
    for (const char* key : {"1.left", "1.top", "copy.left", "copy.prew", "lastcll", "help"}) {
        store.SettingAsPosition(QLatin1String(key));
        store.SetPathSetting(QLatin1String(key), store.GetPathSetting(QLatin1String(key)));
    }
    store.SetSetting(QStringLiteral("smallwheel"), QString());
    return 0;
}

int RecentListsFile(const std::uint8_t* data, std::size_t size)
{
    RecentLists recent(QStringLiteral("/program/default.cll"));
    recent.LoadData(Bytes(data, size));
    recent.PrepareReopenDisplay(QStringLiteral("/lists/current.cll"));
    if (recent.count() > 0)
        recent.RemoveAt(0);
    return 0;
}

int HistoryFile(const std::uint8_t* data, std::size_t size)
{
    const HistoryFileContent content = ParseHistoryData(Bytes(data, size));
    HistoryList history;
    history.AppendLoaded(content.colours);
    history.SetUnreadableRest(content.unreadableRest);
    history.Undo();
    return 0;
}

int WheelStyleText(const std::uint8_t* data, std::size_t size)
{
    WheelGeometry wheel = DefaultWheelGeometry();
    ApplyWheelStyle(ParseWheelStyle(QString::fromLatin1(Bytes(data, size))), wheel);
    WriteWheelStyle(wheel);
    return 0;
}

int SchemeFile(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = DecodeTextLines(Bytes(data, size));
    ColourScheme scheme;
    ShapeTestColours colours;
    scheme.TakeLoadedRecord(lines, QStringLiteral("/schemes/fuzz.shm"), colours);
    for (const QString& line : lines) {
        const SchemeColourParse parsed = ParseSchemeColour(line);
        if (parsed.value)
            FormatSchemeColour(*parsed.value);
    }
    return 0;
}

int WebStyleFile(const std::uint8_t* data, std::size_t size)
{
    WebPageStyle style = InitialWebPageStyle();
    ApplyWebStyleText(Bytes(data, size), style);
    // What was taken must read back.
    WebPageStyle again = InitialWebPageStyle();
    ApplyWebStyleText(WebStyleFileText(style), again);
    return 0;
}

int GimpPaletteFile(const std::uint8_t* data, std::size_t size)
{
    ParseGimpPalette(Bytes(data, size), QStringLiteral("/palettes/fuzz.gpl"));
    return 0;
}

int AcoFile(const std::uint8_t* data, std::size_t size)
{
    ParseAco(Bytes(data, size), QStringLiteral("/palettes/fuzz.aco"));
    return 0;
}

// The colours read go out again as ASE, which must read back the same.
int AseFile(const std::uint8_t* data, std::size_t size)
{
    const PaletteFileContent content = ParseAse(Bytes(data, size), QStringLiteral("/p/fuzz.ase"));
    if (content.names.size() != content.colours.size())
        std::abort();
    QStringList items;
    for (const ColorRef colour : content.colours)
        items << FormatListItemText(colour);
    const PaletteFileContent again = ParseAse(ExportListAsAse(items), QStringLiteral("again"));
    if (again.colours != content.colours || !again.notice.isEmpty())
        std::abort();
    return 0;
}

} // namespace

const FuzzTarget kFuzzTargets[] = {
    {"colourlist", ColourListFile},
    {"settings", Settings},
    {"recentlists", RecentListsFile},
    {"history", HistoryFile},
    {"wheelstyle", WheelStyleText},
    {"scheme", SchemeFile},
    {"webstyle", WebStyleFile},
    {"gimppalette", GimpPaletteFile},
    {"aco", AcoFile},
    {"ase", AseFile},
};
const std::size_t kFuzzTargetCount = sizeof kFuzzTargets / sizeof kFuzzTargets[0];

const FuzzTarget* FindFuzzTarget(const char* name)
{
    for (const FuzzTarget& target : kFuzzTargets) {
        if (std::strcmp(target.name, name) == 0)
            return &target;
    }
    return nullptr;
}
