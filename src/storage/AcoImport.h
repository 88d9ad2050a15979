#pragma once
// Import of ACO swatch files, as Photoshop and other editors write them (and as
// ExportListAsAco does). All numbers are unsigned and big-endian:
// - a section: version (16 bits, 1 or 2), number of colours (16 bits), records;
// - a record: colour space (16 bits) and four 16-bit values; a version-2 record
//   is followed by its name: a 32-bit length in UTF-16 code units, the final zero
//   included, then those code units.
// A file holds a version-1 section, a version-2 section, or both in that order
// with the same colours. Only colour space 0 (RGB: red, green, blue 0..65535)
// is read; colours in other spaces are counted and left out.

#include "storage/PaletteFileContent.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>

// 0..65535 to 0..255: the high byte. It gives the byte back from both ways
// writers scale one: byte * 257 (the byte written twice, as ExportListAsAco
// does) and byte * 256; rounding value / 257 would turn 0xFF00 into 254.
constexpr std::uint8_t AcoComponentToByte(std::uint16_t value)
{
    return std::uint8_t(value >> 8);
}

// The start of an ACO file: a section header of version 1 or 2.
bool LooksLikeAco(QByteArrayView head);

// Reads an ACO file through ReadWholeFile:
// - Missing: no file at the path.
// - Failed: the file cannot be read, or it does not begin with a section of
//   version 1 or 2 ("The file '<path>' is not an ACO swatch file."), or it holds
//   no RGB colour (cut before its first one, or empty): "The file '<path>' holds
//   no colors.", so that a load keeps the list.
// - Loaded: the RGB colours in order. A complete version-2 section is preferred
//   (its colours and names); otherwise the version-1 colours, without names.
//   `notice` says how many colours in other colour spaces were skipped and when
//   the file ends before the records it announces (the colours before the cut are
//   kept). Bytes after the last complete section are ignored.
PaletteFileContent ReadAcoFile(const QString& path);

// The same for file content in memory; `path` only goes into the messages.
PaletteFileContent ParseAco(QByteArrayView data, const QString& path);

// "1 color in another color space was skipped." or "<n> colors in other color
// spaces were skipped."
QString SkippedColourSpacesNotice(int count);
