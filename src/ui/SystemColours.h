#pragma once
// The desktop's colours for the system colour names of scheme files (clWindow,
// clBtnFace ...), taken from the application's palette when a name is read.

#include "colour/SchemeColourText.h"

#include <QPalette>

// The colour of system colour `index` in `palette`; empty for an index without a
// name (25, 26 and beyond 28).
std::optional<ColorRef> SystemColourFromPalette(const QPalette& palette, int index);

// SystemColourFromPalette of the application's palette at the time of the call.
SystemColourLookup DesktopSystemColours();
