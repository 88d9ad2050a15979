#pragma once
// The Shape Test's four built-in layouts as data, and the 21 colours of the test
// window (ten shape fills, ten text colours, the test area's background) that the
// layouts, the drops and the colour schemes act on.
//
// Coordinates are pixels relative to the test area (425 x 385). An item a layout
// does not use is parked at left 450, outside the area, and keeps its colour.
// Stacking, bottom to top: Shape10 ... Shape1, the picture, Text10 ... Text1.
//
// Building a layout, as the window does it:
//   1. picture visible when `pictureVisible`;
//   2. Shape1..Shape10: geometry and fill from `shapes`;
//   3. Text1..Text10: geometry from `texts`, colour kLayoutTextColour, font
//      kTestTextFontFamily at `pointSize` points, caption;
//   4. outline of every shape = its fill.
// The colour part of steps 2 and 3 is ApplyLayoutColours. The background, the
// scheme record and the scheme changed flag stay as they are.

#include "colour/ColourValues.h"

#include <QString>

#include <array>

inline constexpr int kTestShapeCount = 10;
inline constexpr int kTestTextCount = 10;
inline constexpr int kShapeLayoutCount = 4;

inline constexpr int kTestAreaWidth = 425;
inline constexpr int kTestAreaHeight = 385;

// The 64 x 64 picture, shown by "Page 1" only.
inline constexpr int kLayoutPictureLeft = 221;
inline constexpr int kLayoutPictureTop = 48;
inline constexpr int kLayoutPictureSize = 64;

inline constexpr char kTestTextFontFamily[] = "Times New Roman";
// Every layout sets every test text to black.
inline constexpr ColorRef kLayoutTextColour = PackColour(0, 0, 0);
// The test area's background when the window is created; no layout changes it.
inline constexpr ColorRef kInitialBackground = PackColour(255, 255, 255);

struct ShapeCell
{
    int left;
    int top;
    int width;
    int height;
    ColorRef fill;
};

struct TextCell
{
    int left;
    int top;
    int width;
    int height;
    int pointSize;
    const char* caption; // Latin-1
};

struct ShapeLayout
{
    const char* name; // the layout list's entry
    bool pictureVisible;
    std::array<ShapeCell, kTestShapeCount> shapes; // Shape1 first
    std::array<TextCell, kTestTextCount> texts;    // Text1 first
};

// "Shapes 1", "Shapes 2", "Page 1", "More...", in the layout list's order.
const std::array<ShapeLayout, kShapeLayoutCount>& ShapeLayouts();

// The 1000-character text of "Page 1": a 250-character paragraph four times
// (note the two spaces after "ut").
const char* FillerText();

// The 21 colours of the test window. Values are full 32-bit words as scheme files
// carry them; painting and readouts use the three low bytes (UnpackColour).
struct ShapeTestColours
{
    std::array<ColorRef, kTestShapeCount> shapeFills{};
    std::array<ColorRef, kTestTextCount> textColours{};
    ColorRef background = kInitialBackground;
    friend bool operator==(const ShapeTestColours& a, const ShapeTestColours& b)
    {
        return a.shapeFills == b.shapeFills && a.textColours == b.textColours &&
               a.background == b.background;
    }
    friend bool operator!=(const ShapeTestColours& a, const ShapeTestColours& b)
    {
        return !(a == b);
    }
};

// The colour part of building `layout`: every fill from the table, every text
// black. The background is left as it is.
void ApplyLayoutColours(const ShapeLayout& layout, ShapeTestColours& colours);

// A layout's own colours: its fills, black texts and the initial white background.
// Restore to Default Colors brings these back (see ColourScheme.h).
ShapeTestColours LayoutDefaultColours(const ShapeLayout& layout);
