#include "colour/WheelStyle.h"

#include "colour/ColourText.h"

#include <QRegularExpression>

namespace {

constexpr std::array<std::array<int, 2>, kWheelShapes> kDefaultPlaces{{
    {71, 144},
    {88, 108},
    {116, 113},
    {136, 134},
    {141, 161},
    {136, 189},
    {115, 210},
    {87, 215},
    {59, 210},
    {39, 189},
    {34, 161},
    {39, 134},
    {60, 113},
}};

} // namespace

WheelGeometry DefaultWheelGeometry()
{
    WheelGeometry wheel;
    for (int i = 0; i < kWheelShapes; ++i) {
        const int size = i == 0 ? 60 : 25;
        wheel[i] = ShapeGeometry{kDefaultPlaces[i][0], kDefaultPlaces[i][1], size, size,
                                 ShapeOutline::Circle};
    }
    return wheel;
}

std::array<std::optional<StyledShape>, kWheelShapes> ParseWheelStyle(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    std::array<std::optional<StyledShape>, kWheelShapes> style;
    for (int i = 0; i < kWheelShapes; ++i) {
        const QString prefix = QStringLiteral("c%1.").arg(i + 1);
        int values[4];
        bool complete = true;
        const char* names[4] = {"left", "top", "height", "width"};
        for (int p = 0; p < 4 && complete; ++p) {
            const auto number = ParseInteger(RecordValue(lines, prefix + QLatin1String(names[p])));
            complete = number.has_value();
            if (number)
                values[p] = *number;
        }
        if (!complete)
            continue;
        StyledShape shape{values[0], values[1], values[2], values[3], std::nullopt};
        const auto type = ParseInteger(RecordValue(lines, prefix + QStringLiteral("type")));
        if (type == 1)
            shape.outline = ShapeOutline::Rectangle;
        else if (type == 2)
            shape.outline = ShapeOutline::Circle;
        style[i] = shape;
    }
    return style;
}

void ApplyWheelStyle(const std::array<std::optional<StyledShape>, kWheelShapes>& style,
                     WheelGeometry& wheel)
{
    for (int i = 0; i < kWheelShapes; ++i) {
        if (!style[i])
            continue;
        const StyledShape& shape = *style[i];
        wheel[i].left = shape.left;
        wheel[i].top = shape.top;
        wheel[i].height = shape.height;
        wheel[i].width = shape.width;
        if (shape.outline)
            wheel[i].outline = *shape.outline;
    }
}
