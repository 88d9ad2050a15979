#pragma once
// Adobe Swatch Exchange files (".ase"), the palette format of Adobe's programs.
// All numbers are big-endian:
// - header: "ASEF", version 1.0 (two 16-bit words), number of blocks (32 bits);
// - block: type (16 bits: 0x0001 colour, 0xC001 group start, 0xC002 group end),
//   length of the rest of the block (32 bits), then for a colour or group
//   start: the name (16-bit length in UTF-16 units with the final zero, then
//   those units); for a colour: its model ("RGB ", "CMYK", "LAB ", "Gray"),
//   its 32-bit IEEE floats (3, 4, 3, 1) and the colour type (16 bits: global,
//   spot, normal). Bytes a block holds past these are skipped.
// RGB, CMYK and Gray values are 0..1 (Gray 0 black); Lab is L 0..1 (L* / 100),
// a and b -128..127 in CIE Lab with the D50 white.

#include "storage/PaletteFileContent.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Reads an ASE file through ReadWholeFile:
// - Missing: no file at the path.
// - Failed: the file cannot be read, or does not start with "ASEF" ("The file
//   '<path>' is not an Adobe Swatch Exchange file.").
// - Loaded: every colour block in file order, groups flattened, as sRGB (CMYK
//   naively, Lab through XYZ with Bradford adaptation to D65; rounded, out of
//   gamut clipped), with `names` (one per colour) and the first group's name as
//   `paletteName`. Colours in other models are skipped and counted in `notice`
//   (SkippedColourSpacesNotice). A file cut short or a block that does not hold
//   what its type needs ends the reading: the colours before are kept and
//   `notice` says at which byte it stopped.
PaletteFileContent ReadAseFile(const QString& path);

// The same for file content in memory; `path` only goes into the messages.
PaletteFileContent ParseAse(QByteArrayView data, const QString& path);

// An ASE file of one RGB colour block (type normal) per item that has a colour
// (ListItemColour), named ListItemName (cut to 65,534 UTF-16 units), no groups.
// Read back it gives the same colours and names. Write it with WriteWholeFile.
QByteArray ExportListAsAse(const QStringList& itemTexts);
