#include "colour/ColourText.h"

#include "colour/ColourNames.h"

#include <cstdint>
#include <limits>

namespace {

// Characters [start, start + count) of text, clipped to the text as a
// one-based copy with a start below one would be.
QString CopyClipped(const QString& text, int start, int count)
{
    if (start < 0) {
        start = 0;
    }
    return text.mid(start, count);
}

} // namespace

QString FormatHexText(Rgb c)
{
    char16_t text[6];
    return TextFromBuffer(text, WriteHexText(text, c));
}

QString FormatHashHex(Rgb c)
{
    char16_t text[7] = {u'#'};
    return TextFromBuffer(text, WriteHexText(text + 1, c));
}

QString FormatPackedText(Rgb c)
{
    return FormatHexWord(PackColour(c));
}

QString FormatHexWord(std::uint32_t value)
{
    char16_t text[9] = {u'$'};
    char16_t* end = text + 1;
    for (int shift = 24; shift >= 0; shift -= 8)
        end = WriteHexPair(end, std::uint8_t(value >> shift));
    return TextFromBuffer(text, end);
}

QString RgbHexReadout(ColorRef colour)
{
    const Rgb c = UnpackColour(colour);
    return QStringLiteral("R: %1, G: %2, B: %3, HEX: %4")
        .arg(c.red)
        .arg(c.green)
        .arg(c.blue)
        .arg(FormatHashHex(c));
}

QString SwatchReadoutText(ColorRef colour)
{
    return QStringLiteral("\r ( ") + RgbHexReadout(colour) + QStringLiteral(", ") +
           NearestNameText(UnpackColour(colour)) + QStringLiteral(" )");
}

QString QuotedValue(QStringView text)
{
    if (text.size() <= kMaxQuotedLength)
        return text.toString();
    return text.first(kMaxQuotedLength).toString() + QStringLiteral("...");
}

QString QuotedValue(QByteArrayView latin1)
{
    if (latin1.size() <= kMaxQuotedLength)
        return QString::fromLatin1(latin1);
    return QString::fromLatin1(latin1.first(kMaxQuotedLength)) + QStringLiteral("...");
}

QString IntegerConversionMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(QuotedValue(text));
}

QString RecordValue(const QStringList& lines, QStringView name)
{
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals == name.size() &&
            QStringView(line).left(equals).compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1);
    }
    return QString();
}

std::optional<int> ParseInteger(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text.at(i) == QLatin1Char('0') &&
               (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const int digit = HexDigitValue(text.at(i).unicode());
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > std::int64_t(std::numeric_limits<std::uint32_t>::max()))
            return std::nullopt;
    }
    if (base == 16) {
        // Negated in unsigned arithmetic: "-$80000000" would overflow an int.
        const std::uint32_t bits = negative ? 0u - std::uint32_t(value) : std::uint32_t(value);
        return static_cast<int>(bits);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

HexParseResult ParseHexText(const QString& text)
{
    const QString bluePart = CopyClipped(text, text.size() - 2, 2);
    const QString greenPart = CopyClipped(text, 2, 2);
    const QString redPart = CopyClipped(text, 0, 2);
    const QString joined = QStringLiteral("$00") + bluePart + greenPart + redPart;
    ColorRef value = 0;
    for (int i = 1; i < joined.size(); ++i) {
        const int digit = HexDigitValue(joined.at(i).unicode());
        if (digit < 0)
            return HexParseResult{std::nullopt, IntegerConversionMessage(joined)};
        value = value << 4 | ColorRef(digit);
    }
    return HexParseResult{value & 0xFFFFFFu, QString()};
}
