#pragma once
// Contrast of a text colour on its background by the WCAG 2.x rules: relative
// luminance with the sRGB transfer curve, the ratio (L1 + 0.05) / (L2 + 0.05) of
// the lighter over the darker, and the AA and AAA levels for normal and large
// text. Pure functions; the tooltip is for the test windows and the main colour.

#include "colour/ColourValues.h"

#include <QString>

// 0 (black) .. 1 (white). Each component s = c / 255 is linearised as s / 12.92
// up to 0.03928 and ((s + 0.055) / 1.055) ^ 2.4 above; then
// L = 0.2126 R + 0.7152 G + 0.0722 B.
double RelativeLuminance(Rgb c);

// 1 .. 21; the order of the two colours does not matter.
double ContrastRatio(Rgb a, Rgb b);

// Levels, in hundredths of the ratio: AA normal 4.5, AA large 3, AAA normal 7,
// AAA large 4.5.
struct ContrastVerdict
{
    // The ratio rounded down to two decimals, times 100: 463 for 4.63:1.
    int hundredths = 100;
    bool aaNormal = false;
    bool aaLarge = false;
    bool aaaNormal = false;
    bool aaaLarge = false;
};

// The levels are judged on the rounded-down ratio, the number that is shown, so
// the number and the verdict always agree, and a pair whose ratio is below a
// level never passes it (4.499 is shown as 4.49 and fails AA for normal text).
ContrastVerdict JudgeContrast(Rgb text, Rgb background);

// "4.63:1", "4.5:1", "21:1": the hundredths without trailing zeros.
QString FormatContrastRatio(int hundredths);

// Two lines, for a tooltip over a text on a colour:
// "Contrast 4.63:1"
// "Normal text: AA pass, AAA fail. Large text: AA pass, AAA pass."
QString ContrastToolTip(Rgb text, Rgb background);

// The main colour as a text colour on white and on black: "On white: " and "On
// black: " each followed by ContrastToolTip.
QString ContrastOnWhiteAndBlackToolTip(Rgb colour);
