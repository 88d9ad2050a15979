#pragma once
// The file dialogs of lists, styles and exports. Each kind starts in the folder of
// the file last chosen in a dialog of that kind during this run (nothing is
// stored), at first the program folder.

#include "platform/FileDialogs.h"

#include <QHash>
#include <QString>

class QWidget;

enum class DialogFileKind
{
    ColourLists, // Load and Save As of colour list files
    WebStyles,   // Save As and Load of the Simple Web Page Test's style files
    Exports      // every export of the colour list or a test page
};

class DialogFolders
{
public:
    // programDirectory ends with a separator; the dialogs open over
    // `defaultParent` (the main window) unless asked over another window.
    DialogFolders(FileDialogs& dialogs, const QString& programDirectory, QWidget* defaultParent);

    // An absolute folder path without a trailing separator.
    QString StartFolder(DialogFileKind kind) const;
    // A dialog of this kind chose `path`; "" (cancelled) changes nothing.
    void Remember(DialogFileKind kind, const QString& path);

    // The open or save dialog of `request` over `parent`, its initialPath set to
    // the kind's start folder (with `proposedName` in it, for a save); the chosen
    // file's folder is remembered. "" when cancelled.
    QString AskOpenFile(DialogFileKind kind, FileDialogRequest request, QWidget* parent = nullptr);
    QString AskSaveFile(DialogFileKind kind, FileDialogRequest request, QWidget* parent = nullptr,
                        const QString& proposedName = QString());

private:
    FileDialogs& m_dialogs;
    QString m_programDirectory;
    QWidget* m_defaultParent;
    QHash<DialogFileKind, QString> m_folders;
};
