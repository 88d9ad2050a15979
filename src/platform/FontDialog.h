#pragma once
// The platform's font dialog, with the text colour among its effects.

#include <QColor>
#include <QFont>

#include <optional>

class QWidget;

// A font as the dialog shows it (size in points) and the colour of its text.
struct FontChoice
{
    QFont font;
    QColor colour;
};

class FontDialog
{
public:
    virtual ~FontDialog() = default;
    // The chosen font and colour, or nullopt on Cancel. The size is not limited.
    virtual std::optional<FontChoice> GetFont(QWidget* parent, const FontChoice& initial) = 0;
};
