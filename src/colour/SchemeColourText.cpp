#include "colour/SchemeColourText.h"

#include "colour/ColourText.h"

QString FormatSchemeColour(std::uint32_t value)
{
    for (const NamedColour& named : kNamedColours) {
        if (named.value == value)
            return QLatin1String(named.name);
    }
    return FormatHexWord(value);
}

SchemeColourParse ParseSchemeColour(const QString& text)
{
    for (const NamedColour& named : kNamedColours) {
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return {named.value, QString()};
    }
    const std::optional<int> number = ParseInteger(text);
    if (!number)
        return {std::nullopt, IntegerConversionMessage(text)};
    return {std::uint32_t(*number), QString()};
}
