#pragma once
// A one-line text input box.

#include <QString>

#include <optional>

class QWidget;

class InputBox
{
public:
    virtual ~InputBox() = default;
    // The text entered, or nullopt when the box was cancelled.
    virtual std::optional<QString> GetText(QWidget* parent, const QString& title,
                                           const QString& prompt, const QString& initial) = 0;
};
