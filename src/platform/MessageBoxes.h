#pragma once
// Modal message boxes: failures and the Yes/No questions before destructive commands.

#include <QString>

class QWidget;

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // An OK box titled "QB Kromi" with the information icon.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // The same with the error icon, for an operation that failed.
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // A Yes/No box with the question icon; true on Yes.
    virtual bool Question(QWidget* parent, const QString& text, const QString& title) = 0;
};
