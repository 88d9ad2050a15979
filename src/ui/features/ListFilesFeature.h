#pragma once
// Colour list files: the Load and Save As commands, files dropped on the main
// window, the list named on the command line, the list chosen at start-up, the
// Reopen window and the files written back at exit.

#include "storage/ListExitWrite.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>

struct AppContext;
class ColourList;
class PicturePaletteFeature;
class ReopenWindow;
struct ListLoadResult;

class ListFilesFeature : public QObject
{
    Q_OBJECT
public:
    // Hooks the list commands of the main window and makes it accept files
    // dropped from the desktop.
    explicit ListFilesFeature(AppContext& context);
    ~ListFilesFeature() override;

    // ProgramDirectory + "default.cll".
    QString DefaultListPath() const;

    // The Load command: asks when the list has changed, then the open dialog.
    void LoadList();
    // The Save As command: the chosen file becomes the current list, enters the
    // recent lists and the list counts as unchanged.
    void SaveListAs();
    // Loads `path` as the current list, as every load does: a missing file only
    // becomes the current list path; a failure is reported and changes nothing.
    // After a load the last newly added colour is shown as the main colour
    // without being recorded. False when the load failed. A picture (PNG, JPEG)
    // is no list: its palette is added to the list (PicturePaletteFeature).
    bool LoadListFile(const QString& path);
    // Files dropped on the main window, in the order given: only names ending in
    // ".cll" (exactly so), each loaded in turn, and pictures, whose palettes are
    // added.
    void LoadDroppedFiles(const QStringList& paths);
    // `arguments` as QCoreApplication::arguments() gives them (the program
    // first): an existing file named by the first argument is loaded; one of
    // kBackgroundLoadBytes or more on a worker thread, with the progress bar
    // showing, and taken over once read (backgroundLoadEnded follows).
    void LoadCommandLineList(const QStringList& arguments);
    // At the main window's creation, after the settings: reads "colorlist.cl1"
    // into the recent lists (reporting one that cannot be read), then loads the
    // list named by "lastcll" or the default list, with the messages about
    // missing lists. A list that fails to load leaves an empty list that is not
    // read in full. Then tells what the last exit left to say (where a list went
    // that could not be written over its file, what could not be saved).
    void ChooseStartupList();

    // Creates the Reopen window (once, after the main window).
    ReopenWindow* CreateReopenWindow();
    ReopenWindow* reopenWindow() const;
    void ShowReopenWindow();
    // A Reopen entry was chosen: asks when the list has changed, then loads it.
    void ReopenEntry(int row);

    // Exit: "lastcll" is the current list path (removed when empty), or the new
    // file the list goes to (ListExitWrite.h).
    void WriteLastListSetting();
    // Exit: the recent lists to "colorlist.cl1".
    void WriteListFilesAtExit();
    // Exit: a changed list to its current path or the default list when that file
    // is still what was read, else to a new file (ListExitWrite.h); what the next
    // start is to tell goes to a notes file in the program folder. Follows the plan
    // WriteLastListSetting made, so the file is read and compared once.
    void WriteColourListAtExit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A list read on a worker thread was taken over, or its load ended otherwise.
    void backgroundLoadEnded();

private:
    // After a load: the main colour, and the messages about what the file held.
    void ShowLoaded(const QString& path, const ListLoadResult& result);
    void LoadListFileInBackground(const QString& path);
    void TakeBackgroundLoad(const QString& path, const ListLoadResult& result, ColourList& loaded,
                            bool changedBefore);
    // A message box over the main window.
    void Tell(const QString& text) const;
    bool ConfirmLoad(const QString& title);
    void ChooseStartupListFile();
    void LoadStartupList(const QString& path);
    void TellPendingNotes();
    QString ProgramFile(const char* name) const;

    AppContext& m_context;
    QPointer<ReopenWindow> m_reopen;
    PicturePaletteFeature* m_pictures;
    // Counts every load: a background load that finds a later one started gives way.
    int m_loadsStarted = 0;
    std::optional<ListExitPlan> m_exitPlan;
};
