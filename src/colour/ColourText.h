#pragma once
// The text forms of a colour and their readers. Every form is locale-free with
// upper-case hexadecimal digits. The Write* helpers fill a caller's buffer of
// char or char16_t and return the new end: list items, history lines and
// exported pages are written by the hundred thousand without allocating.

#include "colour/ColourValues.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <type_traits>

// 0..15 for a hexadecimal digit (either case), -1 for anything else.
constexpr int HexDigitValue(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A non-negative number in decimal, without leading zeros.
template <typename Char> Char* WriteDecimal(Char* out, std::uint32_t value)
{
    Char digits[10];
    int count = 0;
    do {
        digits[count++] = Char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0)
        *out++ = digits[--count];
    return out;
}

// Two upper-case hexadecimal digits.
template <typename Char> Char* WriteHexPair(Char* out, std::uint8_t value)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    *out++ = Char(kDigits[value >> 4]);
    *out++ = Char(kDigits[value & 0xF]);
    return out;
}

// "06A7FF": red, green, blue.
template <typename Char> Char* WriteHexText(Char* out, Rgb c)
{
    return WriteHexPair(WriteHexPair(WriteHexPair(out, c.red), c.green), c.blue);
}

// "6,167,255".
template <typename Char> Char* WriteDecimalTriple(Char* out, Rgb c)
{
    out = WriteDecimal(out, c.red);
    *out++ = Char(',');
    out = WriteDecimal(out, c.green);
    *out++ = Char(',');
    return WriteDecimal(out, c.blue);
}

// Six characters "RRGGBB" read as hex pairs red, green, blue; empty when any of
// them is no hexadecimal digit. The caller makes sure six characters are there.
template <typename Char> std::optional<Rgb> ReadHexTriple(const Char* six)
{
    std::uint8_t components[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexDigitValue(char16_t(std::make_unsigned_t<Char>(six[2 * i])));
        const int low = HexDigitValue(char16_t(std::make_unsigned_t<Char>(six[2 * i + 1])));
        if (high < 0 || low < 0)
            return std::nullopt;
        components[i] = std::uint8_t(high << 4 | low);
    }
    return Rgb{components[0], components[1], components[2]};
}

// "06A7FF": red, green, blue, upper-case hexadecimal.
QString FormatHexText(Rgb c);
// "#06A7FF".
QString FormatHashHex(Rgb c);
// "$00FFA706": blue, green, red; read back as a hexadecimal integer it is the ColorRef.
QString FormatPackedText(Rgb c);
// "$" and the value's eight upper-case hexadecimal digits.
QString FormatHexWord(std::uint32_t value);

// The characters [begin, end) of a buffer the writers above filled.
inline QString TextFromBuffer(const char16_t* begin, const char16_t* end)
{
    return QString(reinterpret_cast<const QChar*>(begin), end - begin);
}

// "R: 6, G: 167, B: 255, HEX: #06A7FF": decimal values without leading zeros.
QString RgbHexReadout(ColorRef colour);
// "\r ( R: 6, G: 167, B: 255, HEX: #06A7FF, ≈ dodgerblue )": the readout under a
// swatch's status text, with the nearest CSS colour name.
QString SwatchReadoutText(ColorRef colour);

// Values quoted in messages are cut to this many characters: a message box cannot
// lay out a line of megabytes, and its OK button would end up off the screen.
inline constexpr qsizetype kMaxQuotedLength = 200;
// `text` as a message quotes it: the first kMaxQuotedLength characters, then "..."
// when there were more.
QString QuotedValue(QStringView text);
// The same for 8-bit text, Latin-1; only the part shown is decoded.
QString QuotedValue(QByteArrayView latin1);

// The standard message of a failed integer conversion: "'<text>' is not a valid
// integer value", the text quoted as QuotedValue cuts it.
QString IntegerConversionMessage(const QString& text);

// A decimal integer as an edit holds it: optional blanks around, an optional sign,
// digits. A text starting with "$" (after a sign) is read as hexadecimal. Empty or
// any other character fails. Values outside 32 bits fail.
std::optional<int> ParseInteger(const QString& text);

// In a text of "name=value" lines (wheel styles, schemes): the value of the first
// line whose name equals `name` ignoring letter case; empty when there is none.
QString RecordValue(const QStringList& lines, QStringView name);

struct HexParseResult
{
    std::optional<ColorRef> colour;
    QString error; // the integer-conversion message when colour is empty
};

// The hex edit's text (up to six characters): blue = last two characters, green =
// characters 3 and 4, red = first two, joined as "$00" + blue + green + red and read
// as one hexadecimal integer. "FFF" gives red 255, green 255, blue 15.
HexParseResult ParseHexText(const QString& text);
