#include "ui/DialogFolders.h"

#include <QDir>
#include <QFileInfo>

DialogFolders::DialogFolders(FileDialogs& dialogs, const QString& programDirectory,
                             QWidget* defaultParent)
    : m_dialogs(dialogs), m_programDirectory(programDirectory), m_defaultParent(defaultParent)
{
}

QString DialogFolders::StartFolder(DialogFileKind kind) const
{
    return m_folders.value(kind, QDir(m_programDirectory).absolutePath());
}

void DialogFolders::Remember(DialogFileKind kind, const QString& path)
{
    if (!path.isEmpty())
        m_folders.insert(kind, QFileInfo(path).absolutePath());
}

QString DialogFolders::AskOpenFile(DialogFileKind kind, FileDialogRequest request, QWidget* parent)
{
    request.initialPath = StartFolder(kind);
    const QString path = m_dialogs.OpenFile(parent ? parent : m_defaultParent, request);
    Remember(kind, path);
    return path;
}

QString DialogFolders::AskSaveFile(DialogFileKind kind, FileDialogRequest request, QWidget* parent,
                                   const QString& proposedName)
{
    request.initialPath = StartFolder(kind);
    if (!proposedName.isEmpty())
        request.initialPath += QLatin1Char('/') + proposedName;
    const QString path = m_dialogs.SaveFile(parent ? parent : m_defaultParent, request);
    Remember(kind, path);
    return path;
}
