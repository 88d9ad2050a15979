#include "storage/SchemeFile.h"

#include "storage/ProgramDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr QLatin1String kSchemeExtension(".shm");

} // namespace

QString SchemeFilePath(const QString& folder, const QString& name)
{
    return WithTrailingSeparator(folder) + name + kSchemeExtension;
}

QString CheckSchemeName(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("Type a name for the scheme. Nothing was saved.");
    if (name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')))
        return QStringLiteral("A scheme name may not start with \".\" or hold \"/\" or \"\\\". "
                              "Nothing was saved.");
    return QString();
}

bool SchemeFileExists(const QString& path)
{
    return QFileInfo::exists(path);
}

SchemeFileResult SaveScheme(const QString& folder, const QString& name, ColourScheme& scheme)
{
    const QString refusal = CheckSchemeName(name);
    if (!refusal.isEmpty())
        return {false, refusal};
    const QString path = SchemeFilePath(folder, name);
    const FileWriteResult written = WriteTextFileLines(path, scheme.Record());
    if (!written)
        return {false, CannotCreateFileMessage(path, written.error)};
    scheme.MarkSaved();
    return {true, QString()};
}

SchemeLoadResult LoadScheme(const QString& path, ColourScheme& scheme, ShapeTestColours& colours)
{
    // A file deleted since the list was read is reported like any unreadable one.
    const FileReadResult read = ReadWholeFile(path, kMaxSchemeFileSize);
    if (read.status != FileReadStatus::Loaded)
        return {SchemeLoadStatus::Unreadable, CannotOpenFileMessage(path)};
    const ColourRecordApply applied =
        scheme.TakeLoadedRecord(DecodeTextLines(read.data), path, colours);
    if (!applied.complete)
        return {SchemeLoadStatus::StoppedAtBad, applied.error};
    return {SchemeLoadStatus::Loaded, QString()};
}

QStringList ListSchemeFiles(const QString& folder)
{
    // Without QDir::CaseSensitive the mask ignores letter case; without QDir::Hidden
    // dot files stay out.
    QStringList names =
        QDir(folder).entryList({QStringLiteral("*") + kSchemeExtension}, QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

SchemeFileResult DeleteSchemeFile(const QString& path)
{
    if (!path.isEmpty() && QFile::remove(path))
        return {true, QString()};
    return {false, QStringLiteral("Can not delete!: ") + path};
}
