#pragma once
// Colour values, the program's own HSL model and the text forms of a colour.
// Pure functions without state; nothing here allocates except the text forms.

#include <QString>

#include <cstdint>
#include <optional>

// A colour packed as 0x00BBGGRR: red in bits 0..7, green 8..15, blue 16..23.
using ColorRef = std::uint32_t;

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb a, Rgb b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

// H 0..359 degrees (red 0, green 120, blue 240), S 0..100, L 0..100 (50 neutral).
struct Hsl
{
    int hue = 0;
    int saturation = 0;
    int lightness = 0;
    friend bool operator==(Hsl a, Hsl b)
    {
        return a.hue == b.hue && a.saturation == b.saturation && a.lightness == b.lightness;
    }
    friend bool operator!=(Hsl a, Hsl b) { return !(a == b); }
};

constexpr ColorRef PackColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return ColorRef(red) | ColorRef(green) << 8 | ColorRef(blue) << 16;
}
constexpr ColorRef PackColour(Rgb c) { return PackColour(c.red, c.green, c.blue); }

// The top byte is ignored.
constexpr Rgb UnpackColour(ColorRef c)
{
    return Rgb{std::uint8_t(c & 0xFF), std::uint8_t(c >> 8 & 0xFF), std::uint8_t(c >> 16 & 0xFF)};
}

// Every component becomes 255 minus itself.
constexpr ColorRef NegativeColour(ColorRef c) { return (c ^ 0xFFFFFFu) & 0xFFFFFFu; }

// Max/min formula; a hue that rounds to 360 is reported as 0. Ties round to even.
Hsl RgbToHsl(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
inline Hsl RgbToHsl(Rgb c) { return RgbToHsl(c.red, c.green, c.blue); }

// Six-segment hue ramp, pull towards grey 128 by saturation, push towards black
// or white by lightness. Out-of-range input (H outside 0..359, S or L outside
// 0..100) gives black. Not the inverse of RgbToHsl.
Rgb HslToRgb(int hue, int saturation, int lightness);
inline Rgb HslToRgb(Hsl c) { return HslToRgb(c.hue, c.saturation, c.lightness); }

// True when every component is one of 0, 51, 102, 153, 204, 255.
bool IsWebSafe(Rgb c);
// Each component to the nearest multiple of 51 (thresholds 26, 77, 128, 179, 230).
Rgb SnapToWebSafe(Rgb c);

// "06A7FF": red, green, blue, upper-case hexadecimal.
QString FormatHexText(Rgb c);
// "#06A7FF".
QString FormatHashHex(Rgb c);
// "$00FFA706": blue, green, red; read back as a hexadecimal integer it is the ColorRef.
QString FormatPackedText(Rgb c);

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

// The standard message of a failed integer conversion: "'<text>' is not a valid integer value".
QString IntegerConversionMessage(const QString& text);

// A decimal integer as an edit holds it: optional blanks around, an optional sign,
// digits. A text starting with "$" (after a sign) is read as hexadecimal. Empty or
// any other character fails. Values outside 32 bits fail.
std::optional<int> ParseInteger(const QString& text);

struct HexParseResult
{
    std::optional<ColorRef> colour;
    QString error; // the integer-conversion message when colour is empty
};

// The hex edit's text (up to six characters): blue = last two characters, green =
// characters 3 and 4, red = first two, joined as "$00" + blue + green + red and read
// as one hexadecimal integer. "FFF" gives red 255, green 255, blue 15.
HexParseResult ParseHexText(const QString& text);
