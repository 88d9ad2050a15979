#include "storage/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Opens a regular file for reading. The type is checked before opening, and again
// on the opened file: a named pipe swapped in between would block open() and
// every read, and a device such as /dev/zero never ends.
bool OpenRegularFile(QFile& file, const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
#ifdef Q_OS_UNIX
    // Built-in resources (":/...") have no descriptor.
    if (!path.startsWith(QLatin1Char(':'))) {
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        struct stat status;
        const int flags = ::fcntl(fd, F_GETFL);
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
            !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return false;
        }
        return true;
    }
#endif
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

QString CannotOpenFileMessage(const QString& path)
{
    return QStringLiteral("Cannot open file %1").arg(path);
}

QString CannotCreateFileMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot create file %1\n%2").arg(path, reason);
}

FileReadResult ReadWholeFile(const QString& path, qint64 maxBytes)
{
    if (!QFileInfo::exists(path))
        return {FileReadStatus::Missing, {}, {}};
    FileReadResult result{FileReadStatus::Unreadable, {}, CannotOpenFileMessage(path)};
    QFile file;
    if (!OpenRegularFile(file, path))
        return result;
    const bool capped = maxBytes >= 0;
    if (capped && file.size() > maxBytes) {
        result.tooLarge = true;
        return result;
    }
    // One byte more than allowed tells a file that grew since its size was taken.
    result.data = capped ? file.read(maxBytes + 1) : file.readAll();
    const bool grew = capped && result.data.size() > maxBytes;
    if (file.error() != QFileDevice::NoError || grew)
        return FileReadResult{FileReadStatus::Unreadable, {}, CannotOpenFileMessage(path), grew};
    result.status = FileReadStatus::Loaded;
    result.error.clear();
    return result;
}

QList<QByteArrayView> SplitTextLines(QByteArrayView data)
{
    QList<QByteArrayView> lines;
    const char* const begin = data.data();
    const qsizetype size = data.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && begin[end] != '\n' && begin[end] != '\r')
            ++end;
        lines.append(QByteArrayView(begin + start, end - start));
        if (end < size && begin[end] == '\r' && end + 1 < size && begin[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

QStringList DecodeTextLines(QByteArrayView data)
{
    QStringList lines;
    for (QByteArrayView line : SplitTextLines(data))
        lines.append(QString::fromLatin1(line));
    return lines;
}

FileWriteResult WriteWholeFile(const QString& path, const QByteArray& data)
{
    // QSaveFile would rename its temporary file over a device or pipe that a link
    // points to; a link to a regular file it writes through.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return {false, QStringLiteral("Not a regular file")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // A small write stays in Qt's buffer, and commit() does not report a flush
    // that fails there: on a full disk the file would come out empty. Flushing
    // first shows the failure, and cancelling keeps the old file.
    if (file.write(data) != data.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, QString()};
}

bool PathTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

namespace {

bool WriteAll(QFile& file, const QByteArray& data)
{
    return file.write(data) == data.size() && file.flush();
}

} // namespace

QString FreeFileName(const QString& folder, const QString& base, const QString& extension)
{
    const QDir dir(folder);
    const QString dot = extension.isEmpty() ? QString() : QStringLiteral(".") + extension;
    QString path = dir.filePath(base + dot);
    for (int number = 2; PathTaken(path); ++number)
        path = dir.filePath(QStringLiteral("%1 (%2)").arg(base).arg(number) + dot);
    return path;
}

FileWriteResult CreateNewFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {false, file.errorString()};
    if (!WriteAll(file, data)) {
        const QString error = file.errorString();
        file.close();
        file.remove();
        return {false, error};
    }
    file.close();
    return {true, QString()};
}

FileWriteResult WriteWholeFileKeepingOld(const QString& path, const QByteArray& data,
                                         const QString& keepFolder)
{
    FileWriteResult result = WriteWholeFile(path, data);
    const QFileInfo target(path);
    if (result || !target.isFile() || !target.isWritable() ||
        QFileInfo(target.absolutePath()).isWritable())
        return result;
    // The folder refuses a temporary file: the old content goes elsewhere first.
    const FileReadResult old = ReadWholeFile(path, -1);
    QDir().mkpath(keepFolder);
    const QString kept = FreeFileName(keepFolder, target.completeBaseName(), target.suffix());
    if (old.status != FileReadStatus::Loaded || !CreateNewFile(kept, old.data))
        return result;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !WriteAll(file, data))
        return {false, file.errorString(), kept};
    file.close();
    QFile::remove(kept);
    return {true, QString()};
}

QByteArray EncodeTextLines(const QStringList& lines)
{
    QByteArray data;
    for (const QString& line : lines) {
        data += line.toLatin1();
        data += "\r\n";
    }
    return data;
}

FileWriteResult WriteTextFileLines(const QString& path, const QStringList& lines)
{
    return WriteWholeFile(path, EncodeTextLines(lines));
}

QByteArray EncodeFilePath(const QString& path)
{
    return QFile::encodeName(path);
}

QString DecodeFilePath(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? QFile::decodeName(bytes.toByteArray())
                               : QString::fromLatin1(bytes);
}
