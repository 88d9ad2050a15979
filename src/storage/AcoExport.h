#pragma once
// Export of the colour list as an ACO swatch file (version 1, RGB, no names). The
// colours come from the list item texts (ListItemColour); write the result with
// WriteWholeFile.

#include <QByteArray>
#include <QStringList>

// A version-1 ACO file: 00 01, the number of colours, then per colour the record
// 00 00, red, green and blue each as the byte written twice (value * 257), 00 00;
// all numbers unsigned 16-bit big-endian. The count field holds at most 65535, so
// colours past that many are left out rather than writing a count that lies.
constexpr int kMaxAcoColours = 65535;
QByteArray ExportListAsAco(const QStringList& itemTexts);
