#pragma once
// The program's faces. Windows names are kept; fontconfig maps Arial and
// Verdana to metric-compatible fonts, and the bitmap "MS Sans Serif" and
// "Fixedsys" come from the wine font package when it is installed.

#include <QFont>

QFont VerdanaPixels(int pixels, bool bold = false);
QFont ArialPoints(int points, bool bold = false);
QFont ArialPixels(int pixels, bool bold = false);
// 8-point "MS Sans Serif", the face of edits, labels and list texts.
QFont SansSerifPoints(int points = 8, bool bold = false);
// The same face by pixel size (the status line's 11 pixels).
QFont SansSerifPixels(int pixels, bool bold = false);
QFont FixedsysFont();
