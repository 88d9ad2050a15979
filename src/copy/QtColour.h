#pragma once
// The program's colours as Qt paints them, and back.

#include "colour/ColourValues.h"

#include <QColor>

inline QColor ToQColor(Rgb c)
{
    return QColor(c.red, c.green, c.blue);
}

inline QColor ToQColor(ColorRef colour)
{
    return ToQColor(UnpackColour(colour));
}

inline ColorRef ColorRefOf(const QColor& colour)
{
    return PackColour(std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                      std::uint8_t(colour.blue()));
}
