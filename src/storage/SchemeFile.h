#pragma once
// Scheme files of the Shape Test: "<name>.shm" in the program folder, the scheme
// record's lines, Latin-1 with CR LF after every line (readers also take LF or CR
// alone and a missing final line end). Files are read and written through
// storage/TextFile.h; writes are atomic.
//
// The window's commands, each question asked by the window before the call:
//   Save Scheme:  name = input box SchemeNamePrompt() preset to scheme.ProposedName();
//                 Cancel ends. CheckSchemeName(name) non-empty: show it, end.
//                 SchemeFileExists(SchemeFilePath(folder, name)) and No to
//                 ReplaceSchemeQuestion(name): end. SaveScheme(folder, name, scheme);
//                 on failure show its error, else re-read ListSchemeFiles(folder).
//   Load:         scheme.IsChanged() and No to ContinueLoadQuestion(): end (the clicked
//                 entry stays selected). LoadScheme(folder + entry, scheme, colours);
//                 repaint every item from `colours`, show the error if there is one.
//   Delete key:   No to DeleteSchemeQuestion(): end. DeleteSchemeFile(folder + entry,
//                 or "" when nothing is selected); on failure show its error, else
//                 remove the entry. Colours, path and flag stay.
//   Restore:      scheme.IsChanged() and No to RestoreColoursQuestion(): end.
//                 RestoreDefaultColours(layout built last, colours); repaint.
// The question texts are in state/ShapeTestTexts.h.

#include "state/ColourScheme.h"
#include "storage/TextFile.h"

#include <QString>
#include <QStringList>

// A scheme file the program writes is under a kilobyte; anything past this limit
// is no scheme and is refused unread.
inline constexpr qint64 kMaxSchemeFileSize = 64 * 1024;

// `folder` (with or without a trailing separator) + `name` + ".shm".
QString SchemeFilePath(const QString& folder, const QString& name);

// Empty when `name` can be saved; otherwise the message to show. Refused: an empty
// name (it would give ".shm", hidden and never listed), a name starting with "."
// (hidden as well) and a name holding "/" or "\" (it would leave the folder).
QString CheckSchemeName(const QString& name);

// True when something exists at `path` (the "Replace?" question is due).
bool SchemeFileExists(const QString& path);

struct SchemeFileResult
{
    bool ok = false;
    QString error; // the text to show when not ok
    explicit operator bool() const { return ok; }
};

// Writes the scheme record to SchemeFilePath(folder, name), replacing the file
// atomically, and clears the scheme changed flag. A name CheckSchemeName refuses
// or a failed write leaves the flag and any old file as they were; `error` is the
// refusal, or "Cannot create file <path>" and the system's reason.
SchemeFileResult SaveScheme(const QString& folder, const QString& name, ColourScheme& scheme);

enum class SchemeLoadStatus
{
    Loaded,      // applied completely; the changed flag is cleared
    Unreadable,  // missing, unreadable or too large: nothing changed
    StoppedAtBad // record and path taken, colours set up to the bad value
};

struct SchemeLoadResult
{
    SchemeLoadStatus status = SchemeLoadStatus::Unreadable;
    QString error; // "Cannot open file <path>" or the conversion message
};

// Loads the file at `path` into the scheme and onto `colours` (ColourScheme::
// TakeLoadedRecord). A file that cannot be read changes nothing.
SchemeLoadResult LoadScheme(const QString& path, ColourScheme& scheme, ShapeTestColours& colours);

// The file names (extension included) of the ordinary, non-hidden files matching
// "*.shm" (letter case ignored) in `folder`, sorted ignoring letter case.
QStringList ListSchemeFiles(const QString& folder);

// Deletes the file. On failure `error` is "Can not delete!: " + path (just the
// prefix for an empty path, when no entry was selected).
SchemeFileResult DeleteSchemeFile(const QString& path);
