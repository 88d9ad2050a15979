#pragma once
// The colour spaces of the web's colour texts: linear sRGB, CIE XYZ (D65 and
// D50), CIE Lab and LCH (D50), OKLab and OKLCH, and Display P3, with the
// conversion matrices in their full 64-bit form (sRGB and Display P3 as exact
// fractions), so a grey keeps a chroma of zero. Pure functions on small values:
// no state, no allocation, no Qt.
//
// Units: RGB components 0..1 in gamut (outside that range out of gamut, never
// clamped unless a name says so); XYZ with Y = 1 for white; CIE L 0..100, OKLab
// L 0..1; hues in degrees 0..360 (a zero chroma has hue 0).

#include "colour/ColourValues.h"

// Red, green and blue as real numbers: gamma-encoded sRGB or Display P3, or
// their linear-light forms. The function names say which.
struct RgbReal
{
    double red = 0;
    double green = 0;
    double blue = 0;
};

struct Xyz
{
    double x = 0;
    double y = 0;
    double z = 0;
};

// Rectangular lightness and opponent axes: CIE Lab (L 0..100) or OKLab (L 0..1).
struct Lab
{
    double l = 0;
    double a = 0;
    double b = 0;
};

// The polar form of a Lab value: lightness, chroma, hue in degrees 0..360.
struct Lch
{
    double l = 0;
    double c = 0;
    double h = 0;
};

// The sRGB transfer curve, extended to negative values by mirroring.
double SrgbToLinear(double component);
double LinearToSrgb(double component);
RgbReal SrgbToLinear(RgbReal c);
RgbReal LinearToSrgb(RgbReal c);

// 8-bit components as 0..1 and back: clamped to 0..1, times 255, rounded to the
// nearest integer, halves up as web browsers round (30% is 77).
RgbReal RgbToReal(Rgb c);
Rgb RealToRgb(RgbReal c);

Xyz LinearSrgbToXyzD65(RgbReal c);
RgbReal XyzD65ToLinearSrgb(Xyz c);
// Display P3 shares the sRGB transfer curve; these take and give linear light.
Xyz LinearDisplayP3ToXyzD65(RgbReal c);
RgbReal XyzD65ToLinearDisplayP3(Xyz c);
// The other predefined RGB spaces of CSS colour texts, gamma-encoded in:
// A98 RGB and Rec. 2020 relative to D65, ProPhoto RGB relative to D50.
Xyz A98RgbToXyzD65(RgbReal c);
Xyz Rec2020ToXyzD65(RgbReal c);
Xyz ProPhotoRgbToXyzD50(RgbReal c);
// Bradford chromatic adaptation.
Xyz XyzD65ToD50(Xyz c);
Xyz XyzD50ToD65(Xyz c);

// CIE Lab relative to D50.
Lab XyzD50ToLab(Xyz c);
Xyz LabToXyzD50(Lab c);
// OKLab from XYZ relative to D65.
Lab XyzD65ToOkLab(Xyz c);
Xyz OkLabToXyzD65(Lab c);

// OKLab from and to linear sRGB in one matrix each (the same values as through
// XYZ but for the last bits).
Lab LinearSrgbToOkLab(RgbReal c);
RgbReal OkLabToLinearSrgb(Lab c);

// For CIE Lab and OKLab alike.
Lch LabToLch(Lab c);
Lab LchToLab(Lch c);

// Euclidean distance of two OKLab values: deltaE OK.
double DeltaEOk(Lab a, Lab b);

// From an 8-bit sRGB colour. An exact grey (red = green = blue) has a and b of
// exactly zero, so its chroma and hue are zero.
RgbReal RgbToLinearSrgb(Rgb c);
Xyz RgbToXyzD65(Rgb c);
Xyz RgbToXyzD50(Rgb c);
Lab RgbToLab(Rgb c);
Lch RgbToLch(Rgb c);
Lab RgbToOkLab(Rgb c);
Lch RgbToOkLch(Rgb c);
RgbReal RgbToDisplayP3(Rgb c);

// Back to gamma-encoded sRGB, unclamped (outside 0..1 when out of gamut).
RgbReal LabToSrgb(Lab c);
RgbReal OkLabToSrgb(Lab c);
RgbReal DisplayP3ToSrgb(RgbReal c);
RgbReal XyzD65ToSrgb(Xyz c);
RgbReal XyzD50ToSrgb(Xyz c);

// True when every component lies in 0..1, allowing `tolerance` either side.
bool IsInUnitRange(RgbReal c, double tolerance = 0);

// An OKLCH colour brought into sRGB the CSS Color 4 way. In gamut it is kept
// (less than half an 8-bit step outside 0..1 counts as in gamut, clipped). Out
// of gamut, a lightness at or past the ends gives white or black; otherwise the
// chroma is reduced by a binary search until clipping the colour moves it less
// than the just-noticeable difference deltaE OK 0.02. The result is
// gamma-encoded sRGB within 0..1.
// `mapped` (when given) says whether the colour was out of gamut.
RgbReal GamutMapToSrgb(Lch okLch, bool* mapped = nullptr);
