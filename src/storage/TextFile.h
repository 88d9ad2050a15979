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

// Reads a whole regular file. A path that names no file is Missing; a file that
// cannot be opened or read, and a directory, is Unreadable; so is a file of more
// than `maxBytes` bytes when `maxBytes` is not negative (nothing of it is kept).
FileReadResult ReadWholeFile(const QString& path, qint64 maxBytes = -1);

// Splits file content into lines at CR LF, LF or CR. A final line end does not
// start another line. The views point into `data`.
QList<QByteArrayView> SplitTextLines(QByteArrayView data);

// The lines decoded as Latin-1.
QStringList DecodeTextLines(QByteArrayView data);

struct FileWriteResult
{
    bool ok = false;
    QString error; // the system's reason (QFileDevice::errorString()) when not ok
    explicit operator bool() const { return ok; }
};

// Replaces the file atomically with `data` (QSaveFile: a temporary file renamed
// over the old one). On failure the old file stays as it was.
FileWriteResult WriteWholeFile(const QString& path, const QByteArray& data);
// The lines as Latin-1 with CR LF after every line, written as WriteWholeFile does.
FileWriteResult WriteTextFileLines(const QString& path, const QStringList& lines);

// The standard message of a file that exists but cannot be opened.
QString CannotOpenFileMessage(const QString& path);
