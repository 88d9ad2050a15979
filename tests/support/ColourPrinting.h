#pragma once
// How Qt Test prints the colour values when a comparison fails.

#include "colour/ColourValues.h"

#include <QtTest>

Q_DECLARE_METATYPE(Rgb)
Q_DECLARE_METATYPE(Hsl)

namespace QTest {
template <> inline char* toString(const Rgb& c)
{
    return qstrdup(QByteArray::number(c.red) + ',' + QByteArray::number(c.green) + ',' +
                   QByteArray::number(c.blue));
}
template <> inline char* toString(const Hsl& c)
{
    return qstrdup(QByteArray::number(c.hue) + ',' + QByteArray::number(c.saturation) + ',' +
                   QByteArray::number(c.lightness));
}
} // namespace QTest
