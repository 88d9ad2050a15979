#pragma once
// The platform's colour dialog, opened fully and preset to a colour.

#include <QColor>

#include <optional>

class QWidget;

class ColourDialog
{
public:
    virtual ~ColourDialog() = default;
    // The chosen colour, or nullopt on Cancel.
    virtual std::optional<QColor> GetColour(QWidget* parent, const QColor& initial) = 0;
};
