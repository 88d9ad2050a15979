#include "storage/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString& TestingOverride()
{
    static QString folder;
    return folder;
}

bool IsSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QDir::separator();
}

// A new per-user folder starts with whatever the install delivered beside the
// executable (settings with the "help" key, a default list, schemes), so moving
// to it loses nothing.
void SeedFolder(const QString& from, const QString& to)
{
    static const QStringList kOwnFiles{QStringLiteral("*.set"), QStringLiteral("*.cll"),
                                       QStringLiteral("*.cl1"), QStringLiteral("*.cl2"),
                                       QStringLiteral("*.shm")};
    const QDir source(from);
    for (const QString& name : source.entryList(kOwnFiles, QDir::Files))
        QFile::copy(source.filePath(name), QDir(to).filePath(name));
}

bool IsWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

QString WithTrailingSeparator(const QString& folder)
{
    QString result = QDir::toNativeSeparators(folder);
    while (!result.isEmpty() && IsSeparator(result.back()))
        result.chop(1);
    return result + QDir::separator();
}

QString ChooseProgramDirectory(const QString& executableFolder, const QString& fallbackFolder)
{
    if (IsWritableFolder(executableFolder))
        return WithTrailingSeparator(executableFolder);
    if (!QFileInfo(fallbackFolder).isDir() && QDir().mkpath(fallbackFolder))
        SeedFolder(executableFolder, fallbackFolder);
    return WithTrailingSeparator(fallbackFolder);
}

QString ExecutableDirectory()
{
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString ProgramDirectory()
{
    if (!TestingOverride().isEmpty())
        return TestingOverride();
    // Decided once, so that every file of a run is read and written in one place.
    static const QString folder =
        ChooseProgramDirectory(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return folder;
}

void SetProgramDirectoryForTesting(const QString& folder)
{
    TestingOverride() = folder.isEmpty() ? QString() : WithTrailingSeparator(folder);
}

QString CannotOpenFileMessage(const QString& path)
{
    return QStringLiteral("Cannot open file %1").arg(path);
}

FileReadResult ReadWholeFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {FileReadStatus::Missing, {}, {}};
    FileReadResult result{FileReadStatus::Unreadable, {}, CannotOpenFileMessage(path)};
    // Directories and devices are refused before reading: /dev/zero would never end.
    if (!info.isFile())
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    result.data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileReadResult{FileReadStatus::Unreadable, {}, CannotOpenFileMessage(path)};
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

bool WriteWholeFile(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size())
        return false;
    return file.commit();
}

bool WriteTextFileLines(const QString& path, const QStringList& lines)
{
    QByteArray data;
    for (const QString& line : lines) {
        data += line.toLatin1();
        data += "\r\n";
    }
    return WriteWholeFile(path, data);
}
