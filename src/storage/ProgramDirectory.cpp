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

// A new per-user folder starts with whatever the install delivered (settings with
// the "help" key, a default list, schemes), so moving to it loses nothing.
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

QString ChooseDeliveredFilesDirectory(const QString& executableFolder)
{
    const QString installed =
        QDir::cleanPath(executableFolder + QStringLiteral("/../share/qbkromi"));
    return WithTrailingSeparator(QFileInfo(installed).isDir() ? installed : executableFolder);
}

QString ChooseProgramDirectory(const QString& executableFolder, const QString& fallbackFolder)
{
    const QString delivered = ChooseDeliveredFilesDirectory(executableFolder);
    // An installed program never writes into its bin folder, even a writable one
    // such as ~/.local/bin or /usr/bin for the administrator.
    const bool installed = delivered != WithTrailingSeparator(executableFolder);
    if (!installed && IsWritableFolder(executableFolder))
        return WithTrailingSeparator(executableFolder);
    if (!QFileInfo(fallbackFolder).isDir() && QDir().mkpath(fallbackFolder))
        SeedFolder(delivered, fallbackFolder);
    return WithTrailingSeparator(fallbackFolder);
}

QString UserDataDirectory()
{
    return WithTrailingSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString DeliveredFilesDirectory()
{
    return ChooseDeliveredFilesDirectory(QCoreApplication::applicationDirPath());
}

QString ProgramDirectory()
{
    if (!TestingOverride().isEmpty())
        return TestingOverride();
    // Decided once, so that every file of a run is read and written in one place.
    static const QString folder =
        ChooseProgramDirectory(QCoreApplication::applicationDirPath(), UserDataDirectory());
    return folder;
}

void SetProgramDirectoryForTesting(const QString& folder)
{
    TestingOverride() = folder.isEmpty() ? QString() : WithTrailingSeparator(folder);
}
