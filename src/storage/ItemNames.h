#pragma once
// Names of the colour list items in exported palettes and code.

#include <QString>
#include <QStringList>
#include <QStringView>

// The name of an item that has a colour (ListItemColour): "#RRGGBB" for the text
// the program makes from the colour; for any other text, the text before its
// colour (blanks simplified), or the whole text simplified when nothing comes
// before it. Empty for an item without a colour.
QString ListItemName(QStringView itemText);

// Names usable as they are in CSS custom properties ("--" + name), SCSS
// variables ("$" + name) and design token names: lower-case ASCII letters and
// digits in words joined by "-" (accents dropped, "Café au lait" gives
// "cafe-au-lait"), starting with a letter ("color-" is put before a leading
// digit: "#06A7FF" gives "color-06a7ff"), "color" for a name with nothing
// usable, and unique: a repeat gets "-2", "-3" ... One name per given name.
QStringList SafeCodeNames(const QStringList& names);
