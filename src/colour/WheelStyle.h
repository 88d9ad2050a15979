#pragma once
// Wheel styles: the geometry and outline of the thirteen wheel shapes (c1 the
// main colour swatch, c2..c13 the segments 1..12) and their text form, one
// "cN.property=value" line per property.

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

enum class ShapeOutline
{
    Other = 0,
    Rectangle = 1,
    Circle = 2
};

struct ShapeGeometry
{
    int left = 0;
    int top = 0;
    int height = 0;
    int width = 0;
    ShapeOutline outline = ShapeOutline::Circle;
    friend bool operator==(const ShapeGeometry& a, const ShapeGeometry& b)
    {
        return a.left == b.left && a.top == b.top && a.height == b.height && a.width == b.width &&
               a.outline == b.outline;
    }
};

constexpr int kWheelShapes = 13;
using WheelGeometry = std::array<ShapeGeometry, kWheelShapes>;

// The wheel every start begins with (positions relative to the main window).
WheelGeometry DefaultWheelGeometry();

// A shape read from a style: the four numbers, and the outline when the text
// gives type 1 or 2.
struct StyledShape
{
    int left = 0;
    int top = 0;
    int height = 0;
    int width = 0;
    std::optional<ShapeOutline> outline;
};

// Reads a style text (lines split at CR or LF). A shape is present when all four
// of its numbers are there and valid; keys compare ignoring case and the first
// occurrence counts, as in the settings store.
std::array<std::optional<StyledShape>, kWheelShapes> ParseWheelStyle(const QString& text);

// Sets the present shapes of a style on a geometry; absent shapes keep theirs.
void ApplyWheelStyle(const std::array<std::optional<StyledShape>, kWheelShapes>& style,
                     WheelGeometry& wheel);
