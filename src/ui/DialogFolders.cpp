#include "ui/DialogFolders.h"

#include "ui/AppContext.h"
#include "ui/windows/MainWindow.h"

#include <QDir>
#include <QFileInfo>

QString DialogFolders::StartFolder(DialogFileKind kind, const QString& programDirectory) const
{
    return m_folders.value(kind, QDir(programDirectory).absolutePath());
}

void DialogFolders::Remember(DialogFileKind kind, const QString& path)
{
    if (!path.isEmpty())
        m_folders.insert(kind, QFileInfo(path).absolutePath());
}

QString AskOpenFile(AppContext& context, DialogFileKind kind, FileDialogRequest request,
                    QWidget* parent)
{
    request.initialPath = context.dialogFolders.StartFolder(kind, context.programDirectory);
    const QString path =
        context.platform.fileDialogs.OpenFile(parent ? parent : &context.mainWindow, request);
    context.dialogFolders.Remember(kind, path);
    return path;
}

QString AskSaveFile(AppContext& context, DialogFileKind kind, FileDialogRequest request,
                    QWidget* parent, const QString& proposedName)
{
    request.initialPath = context.dialogFolders.StartFolder(kind, context.programDirectory);
    if (!proposedName.isEmpty())
        request.initialPath += QLatin1Char('/') + proposedName;
    const QString path =
        context.platform.fileDialogs.SaveFile(parent ? parent : &context.mainWindow, request);
    context.dialogFolders.Remember(kind, path);
    return path;
}
