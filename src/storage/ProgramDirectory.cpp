#include "storage/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
