#pragma once
// Reading and writing the program's files: 8-bit (Latin-1) text with CR LF after
// every line; readers also take LF-only and CR-only files. Every file goes
// through these, so each rule is kept in one place.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

enum class FileReadStatus
{
    Missing,
    Loaded,
    Unreadable
};

struct FileReadResult
{
    FileReadStatus status = FileReadStatus::Missing;
    QByteArray data;
    QString error;         // "Cannot open file <path>" when Unreadable
    bool tooLarge = false; // Unreadable because it holds more than maxBytes
};

// Size caps of the readers, generous for what the program writes: a list of a
// million colours and a long history stay below the large one; settings, recent
// lists, wheel styles and pictures below the small one.
inline constexpr qint64 kMaxLargeFileBytes = qint64(256) << 20;
inline constexpr qint64 kMaxSmallFileBytes = qint64(1) << 20;

// Reads a whole regular file. A path that names no file is Missing; a file that
// cannot be opened or read, and anything that is not a regular file (a folder, a
// device, a named pipe; a link counts as what it points to), is Unreadable, and
// never blocks; so is a file of more than `maxBytes` bytes when `maxBytes` is not
// negative (nothing of it is kept).
FileReadResult ReadWholeFile(const QString& path, qint64 maxBytes = kMaxLargeFileBytes);

// Splits file content into lines at CR LF, LF or CR. A final line end does not
// start another line. The views point into `data`.
QList<QByteArrayView> SplitTextLines(QByteArrayView data);

// The lines decoded as Latin-1.
QStringList DecodeTextLines(QByteArrayView data);

struct FileWriteResult
{
    bool ok = false;
    QString error; // the system's reason (QFileDevice::errorString()) when not ok
    // WriteWholeFileKeepingOld: where the old content was kept when the file was
    // written in place and that write failed.
    QString keptCopy = {};
    explicit operator bool() const { return ok; }
};

// Replaces the file atomically with `data` (QSaveFile: a temporary file renamed
// over the old one). On failure (a full disk included) the old file stays as it
// was. Only a regular file is replaced: anything else at the path (a folder, a
// device or pipe, also behind a link) is refused. A link to a regular file is
// written through and stays a link.
FileWriteResult WriteWholeFile(const QString& path, const QByteArray& data);
// As WriteWholeFile, and when the folder refuses the temporary file (a writable
// file in a folder that is not) the file is written in place, but only after its
// old content was copied into `keepFolder`. That copy is removed after a good
// write and named by `keptCopy` after a failed one (the file may then be cut).
FileWriteResult WriteWholeFileKeepingOld(const QString& path, const QByteArray& data,
                                         const QString& keepFolder);
// Creates a new file at `path` with `data`; never replaces anything (fails when
// something exists there). A failed write leaves no file behind.
FileWriteResult CreateNewFile(const QString& path, const QByteArray& data);
// True when something is at the path, a dangling link included.
bool PathTaken(const QString& path);
// The first of "<folder>/<base>.<extension>", "<folder>/<base> (2).<extension>",
// "<folder>/<base> (3).<extension>" ... where nothing is (PathTaken).
QString FreeFileName(const QString& folder, const QString& base, const QString& extension);
// The lines as Latin-1 with CR LF after every line, written as WriteWholeFile does.
FileWriteResult WriteTextFileLines(const QString& path, const QStringList& lines);
// The lines as Latin-1 with CR LF after each, as WriteTextFileLines writes them.
QByteArray EncodeTextLines(const QStringList& lines);

// The standard message of a file that exists but cannot be opened.
QString CannotOpenFileMessage(const QString& path);
// "Cannot create file <path>" and, on the next line, the system's reason.
QString CannotCreateFileMessage(const QString& path, const QString& reason);

// File paths stored in the program's files are in the local 8-bit encoding of
// file names (UTF-8 on current systems), while the rest of those files is
// Latin-1. A stored path that is no valid UTF-8 was written as Latin-1 by an
// earlier version and is read that way.
QByteArray EncodeFilePath(const QString& path);
QString DecodeFilePath(QByteArrayView bytes);
