#pragma once
// The folder that holds the program's own files ("set.set", "colorlist.cl1",
// "history.cl2", "default.cll" ...), and the reading and writing of those files:
// 8-bit (Latin-1) text, CR LF after every line; readers also take LF-only and
// CR-only files.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// The executable's folder with a trailing native separator. When that folder is
// not writable (a read-only install), the per-user application data folder is
// used instead; it is created on first use and seeded with the program's own
// files found beside the executable. Decided once per run.
QString ProgramDirectory();

// The executable's folder with a trailing native separator, writable or not: the
// place of read-only files delivered with the program (the help document).
QString ExecutableDirectory();

// The rule behind ProgramDirectory: `executableFolder` when it is writable,
// otherwise `fallbackFolder` (created and seeded when missing). Both returned with
// a trailing native separator.
QString ChooseProgramDirectory(const QString& executableFolder, const QString& fallbackFolder);

// Makes ProgramDirectory() return `folder` (a separator is appended when missing);
// an empty folder restores the normal lookup.
void SetProgramDirectoryForTesting(const QString& folder);

// `folder` ending with exactly one trailing separator ('/' or the native one).
QString WithTrailingSeparator(const QString& folder);

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
    QString error; // "Cannot open file <path>" when Unreadable
};

// Reads a whole regular file. A path that names no file is Missing; a file that
// cannot be opened or read, and a directory, is Unreadable.
FileReadResult ReadWholeFile(const QString& path);

// Splits file content into lines at CR LF, LF or CR. A final line end does not
// start another line. The views point into `data`.
QList<QByteArrayView> SplitTextLines(QByteArrayView data);

// The lines decoded as Latin-1.
QStringList DecodeTextLines(QByteArrayView data);

// Writes the lines as Latin-1 with CR LF after every line, replacing the file
// atomically. False when the file cannot be written; the old file then stays.
bool WriteTextFileLines(const QString& path, const QStringList& lines);
// The same for content already encoded and terminated.
bool WriteWholeFile(const QString& path, const QByteArray& data);

// The standard message of a file that exists but cannot be opened.
QString CannotOpenFileMessage(const QString& path);
