#pragma once
// Export of the colour list as an ACO swatch file (version 1, RGB, no names), and
// the two helpers both exports share: the colour of a list item and writing the
// result to a file.

#include "colour/ColourValues.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The colour of a list item: the seven characters from its first "#", "#RRGGBB",
// read as hex pairs. Empty when the text has no "#" or those characters are not a
// colour; such items are left out of both exports.
std::optional<Rgb> ListItemColour(QStringView itemText);

// A version-1 ACO file: 00 01, the number of colours, then per colour the record
// 00 00, red, green and blue each as the byte written twice (value * 257), 00 00;
// all numbers unsigned 16-bit big-endian. The count field holds at most 65535, so
// colours past that many are left out rather than writing a count that lies.
constexpr int kMaxAcoColours = 65535;
QByteArray ExportListAsAco(const QStringList& itemTexts);

struct ExportWriteResult
{
    bool ok = false;
    // "File access denied" or "I/O error <system error number>" on failure.
    QString message;
};

// Creates or replaces the file through QSaveFile (a failed write leaves any old
// file as it was).
ExportWriteResult WriteExportFile(const QString& path, const QByteArray& bytes);
