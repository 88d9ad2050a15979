#pragma once
// Colour list files (".cll"): one list item text per line, Latin-1, CR LF after
// every line. A line's colour is read from the text after its first "-": the
// character after the dash is dropped, "$00" is put in front of the rest and the
// whole is read as a hexadecimal integer, giving 0x00BBGGRR. Lines without "-"
// are skipped.

#include "colour/ColourValues.h"
#include "state/ColourList.h"
#include "storage/TextFile.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class RecentLists;

// Called with 0..100 while a file is converted, each percentage at most once.
using ProgressCallback = std::function<void(int percent)>;

enum class ColourListLoadStatus
{
    Missing, // no file at the path: nothing was read
    Loaded,
    Failed // unreadable file or unconvertible line: `error` holds the message
};

struct ColourListFileContent
{
    ColourListLoadStatus status = ColourListLoadStatus::Missing;
    QList<ColorRef> colours; // in line order, repeats included
    QString error;
    // The lines without a colour (blank ones too), to be written back in place.
    QList<ListFileNote> notes;
    // How many of them are not blank.
    int otherLines = 0;
    // False when the file holds text but not one colour line: it is no colour list.
    bool readInFull = true;
    ListFileStamp stamp; // Loaded: what was read
};

// The stamp of `data` as the content of the file at `path`.
ListFileStamp StampListFile(const QString& path, QByteArrayView data);
// True when the file at stamp.path holds exactly what the stamp was taken of.
bool ListFileIsUnchanged(const ListFileStamp& stamp);

// Reads and converts the whole file (at most kMaxLargeFileBytes); nothing else
// is touched.
ColourListFileContent ReadColourListFile(const QString& path,
                                         const ProgressCallback& progress = {});
// The same for file content in memory.
ColourListFileContent ParseColourListData(QByteArrayView data,
                                          const ProgressCallback& progress = {});

// The colour of one line, or the integer-conversion message. std::nullopt colour
// and empty message: the line has no "-".
struct ColourListLine
{
    std::optional<ColorRef> colour;
    QString error;
};
ColourListLine ConvertColourListLine(QByteArrayView line);

struct ColourListLoadResult
{
    ColourListLoadStatus status = ColourListLoadStatus::Missing;
    QString error;
    // Loaded: the last colour added to the list, to become the main colour (set it
    // without recording it in the history). Empty when the file added nothing.
    std::optional<ColorRef> mainColour;
    // Loaded: the file holds text but not one colour line (it is no colour list).
    bool heldNoColours = false;
    // Loaded: how many lines are no colours and are kept (ListNotesNotice), or empty.
    QString notice;
};

// "The file '<path>' holds 1 line that is not a color; it is kept in place." or
// "... holds <n> lines that are not colors; they are kept in place."
QString ListNotesNotice(const QString& path, int lines);

// Loads a list file into `list`, as every load command does:
// - Missing: the list stays; the current list path becomes `path` and the changed
//   flag is cleared (the list will be written there at exit).
// - Failed: list, current list path and changed flag stay as they were; show
//   `error` in a message box.
// - Loaded: the list is replaced (repeats dropped, one model reset), the current
//   list path becomes `path`, the changed flag is cleared, and `recent` (when
//   given) records the path unless it is empty, the default list or known. Lines
//   that are no colours are kept with the list (ColourList::NotesBefore) and
//   counted in `notice`. A file with text but no colour line is marked as not
//   read in full (ColourList::IsNotReadInFull); any other gets the list's file
//   stamp, so that the list is written over it at exit only while it is unchanged.
ColourListLoadResult LoadColourList(const QString& path, ColourList& list,
                                    RecentLists* recent = nullptr,
                                    const ProgressCallback& progress = {});

// The file text of the list: every item text in list order, with the kept lines
// that are no colours in their places.
QByteArray ColourListFileText(const ColourList& list);

// Writes ColourListFileText atomically (a failed write leaves the old file as it
// was).
FileWriteResult SaveColourList(const QString& path, const ColourList& list);
