#include "storage/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString CannotOpenFileMessage(const QString& path)
{
    return QStringLiteral("Cannot open file %1").arg(path);
}

FileReadResult ReadWholeFile(const QString& path, qint64 maxBytes)
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
    const bool capped = maxBytes >= 0;
    if (capped && info.size() > maxBytes) {
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(data) != data.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, QString()};
}

FileWriteResult WriteTextFileLines(const QString& path, const QStringList& lines)
{
    QByteArray data;
    for (const QString& line : lines) {
        data += line.toLatin1();
        data += "\r\n";
    }
    return WriteWholeFile(path, data);
}
