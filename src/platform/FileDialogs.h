#pragma once
// Open and save file dialogs.

#include <QString>

class QWidget;

struct FileDialogRequest
{
    QString title;
    // Windows-style pairs of description and pattern: "QB Color List|*.cll" or "A|*.a|B|*.b".
    QString filter;
    // Without the dot ("cll"); appended when the chosen name has no extension. Empty: none.
    QString defaultExtension;
    // Folder or file the dialog starts with.
    QString initialPath;
    // Ask before overwriting an existing file (save dialogs only).
    bool overwritePrompt = false;
};

// A request from Latin-1 texts; the caller sets the start folder.
inline FileDialogRequest FileRequest(const char* title, const char* filter, const char* extension,
                                     bool overwritePrompt)
{
    return {
        QLatin1String(title), QLatin1String(filter), QLatin1String(extension), {}, overwritePrompt};
}

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The chosen file, or "" on cancel.
    virtual QString OpenFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // The chosen file with the default extension applied, or "" on cancel. The dialog
    // itself asks before overwriting when the request says so.
    virtual QString SaveFile(QWidget* parent, const FileDialogRequest& request) = 0;
};

// "QB Color List|*.cll|All|*.*" -> "QB Color List (*.cll);;All (*.*)". A description that
// already names its pattern in brackets is kept as it is.
QString ConvertFileFilter(const QString& windowsFilter);

// Appends "." + extension when the file name part of path has no extension. An empty
// path or extension leaves the path as it is.
QString ApplyDefaultExtension(const QString& path, const QString& extension);
