#pragma once
// What the dialogs and the export menu say of each colour file format: one row
// per ListFileKind (storage/PaletteFiles), in the order of the export menu.

#include "platform/FileDialogs.h"
#include "storage/PaletteFiles.h"

#include <array>

struct PaletteFileTexts
{
    ListFileKind kind;
    const char* name;         // "GIMP Palette", the filter's description
    const char* loadPatterns; // "*.gpl", in the Load dialog's filter
    // "Export as &GIMP Palette"; null for a format the export menu does not offer.
    // The save dialog's title is the entry without "&".
    const char* exportMenuText;
    const char* exportPatterns;  // in the export's save dialog filter
    const char* exportExtension; // appended to a name typed without one
};

const std::array<PaletteFileTexts, kListFileKinds>& PaletteFileTextRows();
const PaletteFileTexts& PaletteFileTextsOf(ListFileKind kind);

// The Load dialog: every format that loads in ListFileKind order, then all of them
// together ("Color Lists and Palettes"). It starts on the colour lists, as it always
// has; palettes are one choice away.
QString LoadListFilter();
// The save dialog of a format's export (with the overwrite prompt).
FileDialogRequest ExportFileRequest(ListFileKind kind);
