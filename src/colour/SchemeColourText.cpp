#include "colour/SchemeColourText.h"

#include "colour/ColourText.h"

QString FormatSchemeColour(std::uint32_t value)
{
    for (const NamedColour& named : kNamedColours) {
        if (named.value == value)
            return QLatin1String(named.name);
    }
    char16_t text[9] = {u'$'};
    char16_t* end = text + 1;
    for (int shift = 24; shift >= 0; shift -= 8)
        end = WriteHexPair(end, std::uint8_t(value >> shift));
    return QString(reinterpret_cast<const QChar*>(text), end - text);
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
