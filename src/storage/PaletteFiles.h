#pragma once
// Colour list files and palettes side by side, in one table of formats: which
// reader a file takes (by its content first, then its name), loading any of them
// into the colour list, and the writers of the exports. A new format is one
// ListFileKind, one row in PaletteFiles.cpp with its reader and writer, and its
// dialog texts in ui/PaletteFileTexts.cpp.
//
// For the windows:
// - Load dialog: the filter of ui/PaletteFileTexts, default extension "cll"; load
//   the chosen file with LoadListOrPalette (also for Reopen entries and the
//   command line).
// - Files dropped on the main window: those for which IsDroppableListFile holds,
//   each loaded with LoadListOrPalette.
// - After a load: Failed -> show `error` (nothing changed); Loaded -> make
//   `mainColour` the main colour without recording it, then show `notice` when
//   it is not empty (skipped rows or colour spaces, a file that ends early).
// - Export menu: one entry per format with a writer; the save dialog (overwrite
//   prompt), then WriteWholeFile(path, format.write(GimpPaletteName(
//   list.CurrentListPath(), path), item texts)); a failed write shows
//   FileWriteResult::error.

#include "colour/ColourValues.h"
#include "storage/ColourListFile.h"
#include "storage/PaletteFileContent.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class ColourList;
class RecentLists;

enum class ListFileKind
{
    ColourList,  // ".cll"
    GimpPalette, // ".gpl"
    Aco,         // ".aco"
    Ase,         // ".ase"
    // Written only: exports for code.
    Css,          // ".css", CSS custom properties
    Scss,         // ".scss", SCSS variables
    DesignTokens, // ".tokens.json", design tokens
    Count         // not a kind: a new kind goes above, with its row in the table
};
constexpr int kListFileKinds = int(ListFileKind::Count);

struct ListFileFormat
{
    ListFileKind kind;
    const char* extension; // without the dot, lower case; letter case is ignored on reading
    // True when the start of a file is of this format. Formats the program only
    // writes have none.
    bool (*looksLike)(QByteArrayView head);
    // The palette reader. Colour lists have none here: LoadColourList reads them.
    PaletteFileContent (*read)(const QString& path, const ProgressCallback& progress);
    // The export writer, null when the program does not write the format.
    QByteArray (*write)(const QString& paletteName, const QStringList& itemTexts);
    // A file dropped on the main window loads when its name ends in "." + extension,
    // exactly so (letter case counts, as it always has for ".cll").
    bool dropLoads;
};

// Every format, one row per ListFileKind in its order.
const std::array<ListFileFormat, kListFileKinds>& ListFileFormats();
const ListFileFormat& ListFileFormatOf(ListFileKind kind);

// By the extension of a format that loads, letter case ignored; any other name is
// a colour list, as the command line always loaded it.
ListFileKind ListFileKindOf(const QString& path);
// By the content: the first format whose signature the start of a file matches.
// A colour list starts with a list item line ("R,G,B  #RRGGBB - BBGGRR") after any
// blank lines.
std::optional<ListFileKind> ListFileKindOfContent(QByteArrayView head);
// The file's kind by its content, then by its extension; empty for an existing
// file that is none of the formats. A file that cannot be read goes by its name.
std::optional<ListFileKind> DetectListFileKind(const QString& path);

// Dropped files that load (see ListFileFormat::dropLoads): ".cll", ".gpl", ".ase".
bool IsDroppableListFile(const QString& path);

// "The file '<path>' is not a colour file. ..." with the extensions that load.
QString NotAColourFileMessage(const QString& path);

struct ListLoadResult
{
    ColourListLoadStatus status = ColourListLoadStatus::Missing;
    QString error;  // Failed: the message
    QString notice; // Loaded: what was left out of a palette, or empty
    // Loaded: the last colour added, to become the main colour without being
    // recorded; empty when the file added nothing.
    std::optional<ColorRef> mainColour;
    // Loaded: a colour list file that holds text but not one colour line.
    bool heldNoColours = false;
};

// Loads `path` into `list` by its kind (DetectListFileKind); a file of no kind
// Fails with NotAColourFileMessage and changes nothing:
// - a colour list file exactly as LoadColourList does (a missing file becomes the
//   current list path);
// - a palette (GIMP, ACO, ASE): Missing and Failed change nothing. Loaded replaces the
//   list by the palette's colours (repeats dropped), clears the changed flag and
//   empties the current list path: the palette is no ".cll", so the list is
//   never written over the palette, and it counts as not read in full, so it is
//   written at exit (to the default list) only once the user changed it; Save As
//   names a ".cll" for it. `recent` records the palette for the Reopen window.
ListLoadResult LoadListOrPalette(const QString& path, ColourList& list,
                                 RecentLists* recent = nullptr,
                                 const ProgressCallback& progress = {});
