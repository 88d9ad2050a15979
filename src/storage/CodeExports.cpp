#include "storage/CodeExports.h"

#include "state/ColourList.h"
#include "storage/ItemNames.h"

#include <optional>

namespace {

struct NamedColour
{
    QByteArray name;
    Rgb colour;
};

QList<NamedColour> NamedColours(const QStringList& itemTexts)
{
    QStringList names;
    QList<Rgb> colours;
    for (const QString& text : itemTexts) {
        if (const std::optional<Rgb> colour = ListItemColour(text)) {
            names << ListItemName(text);
            colours << *colour;
        }
    }
    const QStringList safe = SafeCodeNames(names);
    QList<NamedColour> named;
    named.reserve(colours.size());
    for (qsizetype i = 0; i < colours.size(); ++i)
        named.append({safe.at(i).toLatin1(), colours.at(i)});
    return named;
}

QByteArray LowerHex(Rgb c)
{
    return QByteArray::number(PackColour(c.blue, c.green, c.red) | 0x1000000u, 16).sliced(1);
}

// A component 0..1 with four significant digits: enough to give the byte back.
QByteArray Component(std::uint8_t byte)
{
    return QByteArray::number(byte / 255.0, 'g', 4);
}

} // namespace

QByteArray ExportListAsCss(const QStringList& itemTexts)
{
    QByteArray css = ":root {\r\n";
    for (const NamedColour& c : NamedColours(itemTexts))
        css += "  --" + c.name + ": #" + LowerHex(c.colour) + ";\r\n";
    return css + "}\r\n";
}

QByteArray ExportListAsScss(const QStringList& itemTexts)
{
    QByteArray scss;
    for (const NamedColour& c : NamedColours(itemTexts))
        scss += "$" + c.name + ": #" + LowerHex(c.colour) + ";\r\n";
    return scss;
}

QByteArray ExportListAsDesignTokens(const QStringList& itemTexts)
{
    const QList<NamedColour> colours = NamedColours(itemTexts);
    QByteArray json = "{\r\n";
    for (qsizetype i = 0; i < colours.size(); ++i) {
        const NamedColour& c = colours.at(i);
        json += "  \"" + c.name + "\": {\r\n    \"$type\": \"color\",\r\n" +
                "    \"$value\": { \"colorSpace\": \"srgb\", \"components\": [" +
                Component(c.colour.red) + ", " + Component(c.colour.green) + ", " +
                Component(c.colour.blue) + "], \"hex\": \"#" + LowerHex(c.colour) + "\" }\r\n  }" +
                (i + 1 < colours.size() ? ",\r\n" : "\r\n");
    }
    return json + "}\r\n";
}
