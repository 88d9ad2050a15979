#pragma once
// The folder each kind of file dialog starts in: the folder of the file last
// chosen in a dialog of that kind during this run (nothing is stored), at first
// the program folder.

#include "platform/FileDialogs.h"

#include <QHash>
#include <QString>

struct AppContext;

enum class DialogFileKind
{
    ColourLists, // Load and Save As of colour list files
    WebStyles,   // Save As and Load of the Simple Web Page Test's style files
    Exports      // every export of the colour list or a test page
};

class DialogFolders
{
public:
    // An absolute folder path without a trailing separator.
    QString StartFolder(DialogFileKind kind, const QString& programDirectory) const;
    // A dialog of this kind chose `path`; "" (cancelled) changes nothing.
    void Remember(DialogFileKind kind, const QString& path);

private:
    QHash<DialogFileKind, QString> m_folders;
};

// The open or save dialog of `request` over `parent` (the main window when null),
// its initialPath set to the kind's start folder (with `proposedName` in it, for a
// save); the chosen file's folder is remembered. "" when cancelled.
QString AskOpenFile(AppContext& context, DialogFileKind kind, FileDialogRequest request,
                    QWidget* parent = nullptr);
QString AskSaveFile(AppContext& context, DialogFileKind kind, FileDialogRequest request,
                    QWidget* parent = nullptr, const QString& proposedName = QString());
