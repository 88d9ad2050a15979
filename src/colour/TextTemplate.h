#pragma once
// Text formats of the user's own: a template whose placeholders in braces stand
// for a colour's values, "RGB({r}, {g}, {b})" or "--accent: {oklch};". "{{" and
// "}}" are braces themselves. Placeholder names ignore letter case.

#include "colour/ColourValues.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// Every placeholder a template may hold, in the order the Copy window lists them.
QStringList TemplatePlaceholders();

// Empty when the template is good; otherwise why not, naming the placeholder:
// "Unknown placeholder {foo}." or "A \"{\" has no closing \"}\"."
QString CheckTemplate(QStringView text);

// The template filled in for one colour; unknown placeholders are left as they
// stand (CheckTemplate refuses them before a template is kept).
QString ExpandTemplate(QStringView text, Rgb c);

// A format of the user's: its name in lists and for --format, and its template.
struct UserTextFormat
{
    QString name;
    QString text;
    friend bool operator==(const UserTextFormat& a, const UserTextFormat& b)
    {
        return a.name == b.name && a.text == b.text;
    }
};
