#pragma once
// GIMP palette files (".gpl"), the palette format that GIMP, Inkscape and Krita
// read and write:
//
//   GIMP Palette
//   Name: web
//   Columns: 0
//   #
//     6 167 255	#06A7FF
//
// The header line comes first; then "Name:" and "Columns:" lines, "#" comments,
// blank lines and colour rows: red, green and blue as whole numbers 0..255
// separated by blanks (spaces or tabs), then an optional name up to the end of
// the line. Text is UTF-8 (Latin-1 is accepted where a line is no valid UTF-8);
// lines end in LF, CR LF or CR.

#include "storage/ColourListFile.h"
#include "storage/PaletteFileContent.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The start of a GIMP palette: "GIMP Palette", after a UTF-8 byte order mark if any.
bool LooksLikeGimpPalette(QByteArrayView head);

// Reads a palette file through ReadWholeFile:
// - Missing: no file at the path.
// - Failed: the file cannot be read, or its first line does not start with
//   "GIMP Palette" ("The file '<path>' is not a GIMP palette.").
// - Loaded: the colours of the good rows in order and the palette's "Name:"; the
//   row names are not kept. Rows that are not three numbers 0..255 are skipped;
//   `notice` then names the first of them with its line number (counted from 1)
//   and says how many there were.
// `progress` is called with 0..100 as ReadColourListFile calls it.
PaletteFileContent ReadGimpPaletteFile(const QString& path, const ProgressCallback& progress = {});

// The same for file content in memory; `path` only goes into the messages.
PaletteFileContent ParseGimpPalette(QByteArrayView data, const QString& path,
                                    const ProgressCallback& progress = {});

// The palette as GIMP writes one: "GIMP Palette", "Name: " + `paletteName`,
// "Columns: 0" (the reader lays the swatches out), "#", then one row per item
// that has a colour (ListItemColour): red, green and blue right-aligned in three
// places, a tab and the item's "#RRGGBB" as the colour name. UTF-8, LF after every
// line as GIMP writes it (readers of the format split rows at LF; a CR would end
// up in the colour names of some). Line breaks in the name become spaces. Write
// the result with WriteWholeFile.
QByteArray ExportListAsGimpPalette(const QString& paletteName, const QStringList& itemTexts);

// The "Name:" of an exported palette: the base name of the list file ("web" for
// "/lists/web.cll"), or of the exported file when the list has no file.
QString GimpPaletteName(const QString& currentListPath, const QString& exportPath);
