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

SchemeColourParse ParseSchemePlainColour(const QString& text, const SystemColourLookup& system)
{
    SchemeColourParse parsed = ParseSchemeColour(text);
    if (!parsed.value || *parsed.value <= 0xFFFFFFu)
        return parsed;
    // Only a name stands for a system colour; a number of the same value is none.
    for (const NamedColour& named : kNamedColours) {
        if (named.value >= kSystemColourBase && system &&
            text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            if (const std::optional<ColorRef> colour = system(int(named.value - kSystemColourBase)))
                return {*colour & 0xFFFFFFu, QString()};
        }
    }
    return {std::nullopt, IntegerConversionMessage(text)};
}
