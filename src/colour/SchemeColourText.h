#pragma once
// The colour text of scheme files: a colour name when the value has one, else "$"
// and the eight upper-case hexadecimal digits of the whole 32-bit value. Reading
// takes a name in any letter case, a decimal integer or "$" hexadecimal. Values
// here are full 32-bit words: besides plain colours (0x00BBGGRR) the table names
// "no colour", "default" and the platform's system colours (0x80000000 + index).

#include "colour/ColourValues.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

struct NamedColour
{
    const char* name;
    std::uint32_t value;
};

inline constexpr std::uint32_t kSystemColourBase = 0x80000000u;

// The 49 named values, every value distinct.
inline constexpr std::array<NamedColour, 49> kNamedColours{{
    {"clBlack", PackColour(0, 0, 0)},
    {"clMaroon", PackColour(128, 0, 0)},
    {"clGreen", PackColour(0, 128, 0)},
    {"clOlive", PackColour(128, 128, 0)},
    {"clNavy", PackColour(0, 0, 128)},
    {"clPurple", PackColour(128, 0, 128)},
    {"clTeal", PackColour(0, 128, 128)},
    {"clGray", PackColour(128, 128, 128)},
    {"clSilver", PackColour(192, 192, 192)},
    {"clRed", PackColour(255, 0, 0)},
    {"clLime", PackColour(0, 255, 0)},
    {"clYellow", PackColour(255, 255, 0)},
    {"clBlue", PackColour(0, 0, 255)},
    {"clFuchsia", PackColour(255, 0, 255)},
    {"clAqua", PackColour(0, 255, 255)},
    {"clWhite", PackColour(255, 255, 255)},
    {"clMoneyGreen", PackColour(192, 220, 192)},
    {"clSkyBlue", PackColour(166, 202, 240)},
    {"clCream", PackColour(255, 251, 240)},
    {"clMedGray", PackColour(160, 160, 164)},
    {"clNone", 0x1FFFFFFFu},
    {"clDefault", 0x20000000u},
    {"clScrollBar", kSystemColourBase + 0},
    {"clBackground", kSystemColourBase + 1},
    {"clActiveCaption", kSystemColourBase + 2},
    {"clInactiveCaption", kSystemColourBase + 3},
    {"clMenu", kSystemColourBase + 4},
    {"clWindow", kSystemColourBase + 5},
    {"clWindowFrame", kSystemColourBase + 6},
    {"clMenuText", kSystemColourBase + 7},
    {"clWindowText", kSystemColourBase + 8},
    {"clCaptionText", kSystemColourBase + 9},
    {"clActiveBorder", kSystemColourBase + 10},
    {"clInactiveBorder", kSystemColourBase + 11},
    {"clAppWorkSpace", kSystemColourBase + 12},
    {"clHighlight", kSystemColourBase + 13},
    {"clHighlightText", kSystemColourBase + 14},
    {"clBtnFace", kSystemColourBase + 15},
    {"clBtnShadow", kSystemColourBase + 16},
    {"clGrayText", kSystemColourBase + 17},
    {"clBtnText", kSystemColourBase + 18},
    {"clInactiveCaptionText", kSystemColourBase + 19},
    {"clBtnHighlight", kSystemColourBase + 20},
    {"cl3DDkShadow", kSystemColourBase + 21},
    {"cl3DLight", kSystemColourBase + 22},
    {"clInfoText", kSystemColourBase + 23},
    {"clInfoBk", kSystemColourBase + 24},
    {"clGradientActiveCaption", kSystemColourBase + 27},
    {"clGradientInactiveCaption", kSystemColourBase + 28},
}};

// "clWhite" for white, "$00FFA706" for red 6, green 167, blue 255.
QString FormatSchemeColour(std::uint32_t value);

struct SchemeColourParse
{
    std::optional<std::uint32_t> value;
    // "'<text>' is not a valid integer value" when value is empty; a text longer
    // than a message box can show is cut and ends in "...".
    QString error;
};

// A name (any letter case) gives its value; any other text is read as ParseInteger
// reads it (decimal, or hexadecimal after "$"; a negative number gives its 32-bit
// two's complement). "clRed", "CLRED", "$000000FF" and "255" all give red.
SchemeColourParse ParseSchemeColour(const QString& text);

// The colour a system colour name stands for on this desktop, by the platform's
// system colour index (clWindow 5, clBtnFace 15 ...); empty when it has none.
using SystemColourLookup = std::function<std::optional<ColorRef>(int index)>;

// For the shapes and texts of a scheme, which take plain colours only: read as
// ParseSchemeColour, then a system colour name gives `system`'s colour, and a
// value that is no plain 0x00BBGGRR (clNone, clDefault, a system colour without
// a lookup, a number with a top byte) is refused with the message of a text that
// is no number.
SchemeColourParse ParseSchemePlainColour(const QString& text,
                                         const SystemColourLookup& system = {});
