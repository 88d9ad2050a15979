#pragma once
// The platform's font dialog.

#include <QFont>

#include <optional>

class QWidget;

class FontDialog
{
public:
    virtual ~FontDialog() = default;
    // The chosen font, or nullopt on Cancel.
    virtual std::optional<QFont> GetFont(QWidget* parent, const QFont& initial) = 0;
};
