#pragma once
// A colour given as text (Enter in the hex edit, a paste, a dropped text) made
// the main colour.

#include "state/MainColour.h"

#include <QStringView>

// Reads `text` as a CSS color and sets it as the main colour (recorded). Gives
// what the status line says: why the text is not a colour (then nothing
// changes), or that the alpha was ignored or the colour gamut mapped; empty
// when the colour was taken as it stood.
QString ApplyColourText(MainColour& mainColour, QStringView text);
