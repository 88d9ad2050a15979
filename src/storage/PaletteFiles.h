#pragma once
// Colour list files and palettes side by side: which reader a file takes, loading
// any of them into the colour list, and the texts of the dialogs and the export
// menu entry that offer them.
//
// For the windows:
// - Load dialog: filter kLoadListFilter, default extension "cll"; load the chosen
//   file with LoadListOrPalette (also for Reopen entries and the command line).
// - Files dropped on the main window: those for which IsDroppableListFile holds,
//   each loaded with LoadListOrPalette.
// - After a load: Failed -> show `error` (nothing changed); Loaded -> make
//   `mainColour` the main colour without recording it, then show `notice` when
//   it is not empty (skipped rows or colour spaces, a file that ends early).
// - Export menu: kGimpPaletteMenuText runs the save dialog (filter
//   kGimpPaletteFilter, default extension kGimpPaletteExtension, overwrite
//   prompt), then WriteWholeFile(path, ExportListAsGimpPalette(
//   GimpPaletteName(list.CurrentListPath(), path), item texts)); a failed write
//   shows FileWriteResult::error, as the ACO export does.

#include "colour/ColourValues.h"
#include "storage/ColourListFile.h"

#include <QString>

#include <optional>

class ColourList;
class RecentLists;

enum class ListFileKind
{
    ColourList,  // ".cll", and any other name, as the command line always loaded it
    GimpPalette, // ".gpl"
    Aco          // ".aco"
};

// By the extension, letter case ignored.
ListFileKind ListFileKindOf(const QString& path);

// Dropped files that load: names ending in ".cll" or ".gpl", exactly so (letter
// case counts, as it always has for ".cll": "LIST.CLL" is ignored).
bool IsDroppableListFile(const QString& path);

// Windows-style filter pairs for FileDialogRequest::filter. The Load dialog starts
// on the colour lists, as it always has; palettes are one choice away.
inline constexpr char kLoadListFilter[] =
    "QB Color List|*.cll|GIMP Palette|*.gpl|Photoshop ACO File|*.aco;*.ACO|"
    "Color Lists and Palettes|*.cll;*.gpl;*.aco;*.ACO";
inline constexpr char kGimpPaletteFilter[] = "GIMP Palette|*.gpl";
inline constexpr char kGimpPaletteExtension[] = "gpl";
inline constexpr char kGimpPaletteMenuText[] = "Export as &GIMP Palette";

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

// Loads `path` into `list` by its kind:
// - a colour list file exactly as LoadColourList does (a missing file becomes the
//   current list path);
// - a palette (GIMP, ACO): Missing and Failed change nothing. Loaded replaces the
//   list by the palette's colours (repeats dropped), clears the changed flag and
//   empties the current list path: the palette is no ".cll", so the list is
//   never written over the palette, and it counts as not read in full, so it is
//   written at exit (to the default list) only once the user changed it; Save As
//   names a ".cll" for it. `recent` records the palette for the Reopen window.
ListLoadResult LoadListOrPalette(const QString& path, ColourList& list,
                                 RecentLists* recent = nullptr,
                                 const ProgressCallback& progress = {});
