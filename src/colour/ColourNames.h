#pragma once
// The CSS named colours (the 148 names of CSS Color 4, with both spellings of
// grey) and the nearest of them to any colour by deltaE OK.

#include "colour/ColourValues.h"

#include <QString>
#include <QStringView>

#include <optional>

struct CssNamedColour
{
    const char* name; // lower case, as CSS writes it
    Rgb colour;
};

// The table in alphabetical order; where two names share a value the first one
// ("aqua" before "cyan", "gray" before "grey") is the one the nearest name gives.
const CssNamedColour* NamedColoursBegin();
const CssNamedColour* NamedColoursEnd();

// The colour of a name, ignoring letter case; empty for any other text.
std::optional<Rgb> ColourOfName(QStringView name);

struct NearestName
{
    const char* name = "";
    bool exact = false; // the colour is the named colour itself
};

// The named colour at the least deltaE OK (ties to the earlier name).
NearestName NearestColourName(Rgb c);

// "= tomato" when the colour is the named one, otherwise "≈ tomato".
QString NearestNameText(Rgb c);
