#pragma once
// The history file "history.cl2": one entry text per line, oldest first, 8-bit
// text with CR LF after every line. Lines may also end in LF or CR alone.
//
// Reading uses only the six characters after the first "#" of a line, as hex pairs
// red, green, blue; lines without "#" are skipped. At the first line whose six
// characters are not all hexadecimal (or that ends before six), reading stops: the
// entries before it are kept, the error is reported once, and that line with every
// line after it is handed back unchanged as `unreadableRest`. Saving writes the
// entries and then those lines verbatim, so a damaged file never costs the stored
// history; the next start reads the same entries again (new entries come before
// the unreadable lines, so they are read too).

#include "colour/ColourValues.h"
#include "storage/TextFile.h"

#include <QString>
#include <QStringList>

#include <vector>

class HistoryList;

struct HistoryFileContent
{
    bool exists = false;
    // The file exists but could not be read at all (or is larger than
    // kMaxLargeFileBytes): `error` is "Cannot open file <path>", and the file must
    // not be written over at exit.
    bool unreadable = false;
    std::vector<ColorRef> colours;
    // From the first unreadable line to the end of the file; empty when all was read.
    QStringList unreadableRest;
    // "'$<six characters>' is not a valid integer value" when a line was unreadable.
    QString error;
};

HistoryFileContent LoadHistoryFile(const QString& path);
// The same for file content in memory.
HistoryFileContent ParseHistoryData(QByteArrayView bytes);
// Writes the entries, then the unreadable lines, atomically. At exit a failure is
// skipped without a message.
FileWriteResult SaveHistoryFile(const QString& path, const std::vector<ColorRef>& colours,
                                const QStringList& unreadableRest = QStringList());

// Fills an empty history from the file (one bulk append) and keeps its unreadable
// lines. Returns the content read, whose last colour becomes the main colour.
HistoryFileContent LoadHistory(const QString& path, HistoryList& history);
FileWriteResult SaveHistory(const QString& path, const HistoryList& history);
