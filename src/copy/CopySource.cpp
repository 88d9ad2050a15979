#include "copy/CopySource.h"

#include "colour/ColourText.h"
#include "state/ColourList.h"

#include <algorithm>

namespace {

// Characters [start, start + count) clipped to the text; a start before the first
// character counts from the first, as the hex edit's own parsing does.
QString Clipped(const QString& text, int start, int count)
{
    return text.mid(start < 0 ? 0 : start, count);
}

QString EntryOf(const QString& itemText)
{
    const int hash = itemText.indexOf(QLatin1Char('#'));
    return hash < 0 ? QString() : itemText.mid(hash, 7);
}

} // namespace

QStringList CopySourceCaptions()
{
    return {QStringLiteral("Main Color"), QStringLiteral("Color List"),
            QStringLiteral("Selected Colors"), QStringLiteral("Color Wheel")};
}

QStringList ColourEntriesOf(const QStringList& itemTexts)
{
    QStringList entries;
    for (const QString& item : itemTexts) {
        const QString entry = EntryOf(item);
        if (!entry.isEmpty())
            entries << entry;
    }
    return entries;
}

std::optional<QStringList> ListEntriesOfColours(const ColourList& list, const QList<int>* rows)
{
    const int count = rows ? int(rows->size()) : list.count();
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int row = rows ? rows->at(i) : i;
        if (list.HasOwnText(row))
            return std::nullopt;
        entries << FormatHashHex(UnpackColour(list.colourAt(row)));
    }
    return entries;
}

QStringList SelectedColourEntries(const QStringList& itemTexts, const QVector<bool>& selected)
{
    QStringList entries;
    for (int i = 0; i < itemTexts.size() && i < selected.size(); ++i) {
        if (!selected.at(i))
            continue;
        const QString entry = EntryOf(itemTexts.at(i));
        if (!entry.isEmpty())
            entries << entry;
    }
    return entries;
}

int SelectedCount(const QVector<bool>& selected)
{
    return int(std::count(selected.begin(), selected.end(), true));
}

QStringList GatherSourceColours(CopySource source, const CopySourceInput& input)
{
    switch (source) {
    case CopySource::MainColor:
        return {QLatin1Char('#') + input.hexEditText};
    case CopySource::ColorList:
        return ColourEntriesOf(input.listItemTexts);
    case CopySource::SelectedColors:
        return SelectedColourEntries(input.listItemTexts, input.listItemSelected);
    case CopySource::ColorWheel: {
        QStringList entries;
        for (ColorRef colour : input.wheelColours)
            entries << FormatHashHex(UnpackColour(colour));
        return entries;
    }
    }
    return {};
}

EntryValues DeriveEntryValues(const QString& entry)
{
    EntryValues values;
    values.hashHex = entry;
    values.hex = entry.mid(1);
    const QString& digits = values.hex;
    values.bgrDigits =
        Clipped(digits, digits.size() - 2, 2) + Clipped(digits, 2, 2) + Clipped(digits, 0, 2);
    const HexParseResult parsed = ParseHexText(digits);
    if (parsed.colour) {
        values.rgb = UnpackColour(*parsed.colour);
        values.hsl = RgbToHsl(*values.rgb);
    } else {
        values.error = parsed.error;
    }
    return values;
}

EntryValues EntryValuesOf(Rgb colour)
{
    EntryValues values;
    values.hashHex = FormatHashHex(colour);
    values.hex = FormatHexText(colour);
    values.bgrDigits = FormatHexText(Rgb{colour.blue, colour.green, colour.red});
    values.rgb = colour;
    values.hsl = RgbToHsl(colour);
    return values;
}
