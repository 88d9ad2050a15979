#pragma once
// Colours as the web writes them: the CSS Color 4 text forms this program
// prints, and a reader of every CSS colour text. Locale-free; the printers
// write into a caller's buffer without allocating.

#include "colour/ColourValues.h"

#include <QString>
#include <QStringView>

#include <optional>

// The text forms printed, each with as few digits as keep it exact: reading
// the text back gives the same 8-bit colour.
enum class CssForm
{
    OkLch,     // oklch(51.975% 0.17686 142.495)
    OkLab,     // oklab(51.975% -0.1403 0.10768)
    Lab,       // lab(46.278 -47.552 48.586)
    Lch,       // lch(46.278 67.984 134.384)
    DisplayP3, // color(display-p3 0.216 0.494 0.132)
    Rgb,       // rgb(0 128 0)
    Hsl,       // hsl(120 100% 25.1%)
    Hex,       // #008000
};

struct CssFormRow
{
    CssForm form;
    const char* key;     // the name a script gives it: "oklch", "display-p3"
    const char* caption; // as a menu or the Copy window lists it: "OKLCH"
};

// One row per form, in the order menus list them.
inline constexpr CssFormRow kCssForms[] = {
    {CssForm::OkLch, "oklch", "OKLCH"},
    {CssForm::OkLab, "oklab", "OKLab"},
    {CssForm::Lab, "lab", "CIE Lab"},
    {CssForm::Lch, "lch", "CIE LCH"},
    {CssForm::DisplayP3, "display-p3", "Display P3"},
    {CssForm::Rgb, "rgb", "CSS rgb()"},
    {CssForm::Hsl, "hsl", "CSS hsl()"},
    {CssForm::Hex, "hex", "CSS hex"},
};

// The longest text any form prints, with room to spare.
inline constexpr int kMaxCssFormLength = 64;

// Writes the form into `out` (at least kMaxCssFormLength chars, not
// terminated) and returns the new end.
char* WriteCssForm(char* out, CssForm form, Rgb c);
QString FormatCssForm(CssForm form, Rgb c);

// The single components of the forms, each printed as its form prints it
// ("51.975%" for OKLCH lightness), for the placeholders of text templates.
// `index` 0..2 is the component in the form's order.
QString CssFormComponent(CssForm form, Rgb c, int index);

struct CssColourReading
{
    std::optional<Rgb> colour;
    bool alphaIgnored = false; // the text had an alpha below 1, dropped
    bool gamutMapped = false;  // the colour lay outside sRGB and was brought in
    QString error;             // why the text is not a colour, when colour is empty
};

// Reads one CSS colour: "#" hex of 3, 4, 6 or 8 digits (6 or 8 digits also
// without "#"), a named colour, rgb()/rgba() and hsl()/hsla() in the comma and
// the space syntax, hwb(), lab(), lch(), oklab(), oklch() and color() with the
// predefined spaces. Blanks around are ignored, letter case too. A colour
// outside sRGB is gamut mapped in OKLCH, then rounded to 8 bits.
CssColourReading ReadCssColour(QStringView text);

// What the status line says after a reading: why the text is not a colour,
// or that its alpha was ignored and that it was gamut mapped; empty when the
// colour was taken as it stood.
QString ReadingNote(const CssColourReading& reading);
