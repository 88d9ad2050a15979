#include "ui/features/ListFilesFeature.h"

#include "colour/ColourText.h"
#include "state/ColourList.h"
#include "state/MainColour.h"
#include "storage/ColourListFile.h"
#include "storage/ListExitWrite.h"
#include "storage/ListLoadWorker.h"
#include "storage/PaletteFiles.h"
#include "storage/ProgramDirectory.h"
#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"
#include "ui/AfterDialogs.h"
#include "ui/Commands.h"
#include "ui/DialogFolders.h"
#include "ui/features/AppContext.h"
#include "ui/features/PicturePaletteFeature.h"
#include "ui/PaletteFileTexts.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/ReopenWindow.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// What an exit could not do as asked, told at the next start.
constexpr char kPendingNotesFile[] = "exitnotes.txt";

QStringList LocalFiles(const QMimeData* data)
{
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

bool HasLocalFiles(const QMimeData* data)
{
    return data && data->hasUrls() && !LocalFiles(data).isEmpty();
}

} // namespace

ListFilesFeature::ListFilesFeature(AppContext& context)
    : m_context(context), m_pictures(new PicturePaletteFeature(context, this))
{
    MainWindow& window = m_context.mainWindow;
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    context.commands.Handle(Command::LoadList, this, [this] { LoadList(); });
    context.commands.Handle(Command::SaveList, this, [this] { SaveListAs(); });
    context.commands.Handle(Command::Reopen, this, [this] { ShowReopenWindow(); });
}

ListFilesFeature::~ListFilesFeature() = default;

QString ListFilesFeature::ProgramFile(const char* name) const
{
    return m_context.programDirectory + QLatin1String(name);
}

QString ListFilesFeature::DefaultListPath() const
{
    return ProgramFile("default.cll");
}

void ListFilesFeature::Tell(const QString& text) const
{
    m_context.platform.messages.Information(&m_context.mainWindow, text);
}

bool ListFilesFeature::ConfirmLoad(const QString& title)
{
    return !m_context.colourList.IsChanged() ||
           m_context.platform.messages.Question(
               &m_context.mainWindow, QStringLiteral("Are you sure to load a color list?"), title);
}

bool ListFilesFeature::LoadListFile(const QString& path)
{
    if (PicturePaletteFeature::IsPicture(path)) {
        m_pictures->AddPaletteOf(path);
        return true;
    }
    // A load still running in the background is overtaken by this one.
    ++m_loadsStarted;
    MainWindow& window = m_context.mainWindow;
    window.ShowProgress(100);
    const ListLoadResult result =
        LoadListOrPalette(path, m_context.colourList, &m_context.recentLists,
                          [&window](int percent) { window.SetProgress(percent); });
    window.HideProgress();
    if (result.status == ColourListLoadStatus::Failed) {
        Tell(result.error);
        return false;
    }
    ShowLoaded(path, result);
    return true;
}

void ListFilesFeature::ShowLoaded(const QString& path, const ListLoadResult& result)
{
    // Only a palette leaves the path empty: a changed list of it goes to a file
    // named after it.
    if (result.status == ColourListLoadStatus::Loaded &&
        m_context.colourList.CurrentListPath().isEmpty())
        m_context.colourList.SetOriginName(QFileInfo(path).completeBaseName());
    // Colours read from a file are shown, not recorded in the history.
    if (result.mainColour)
        m_context.mainColour.ShowColour(*result.mainColour);
    if (result.heldNoColours)
        Tell(QStringLiteral("The file '%1' holds no colors.").arg(QuotedValue(path)));
    if (!result.notice.isEmpty())
        Tell(result.notice);
}

void ListFilesFeature::TakeBackgroundLoad(const QString& path, const ListLoadResult& result,
                                          ColourList& loaded, bool changedBefore)
{
    // Changed while the file was read: the load would throw that away.
    if (!changedBefore && !ConfirmLoad(QStringLiteral("Load?")))
        return;
    switch (result.status) {
    case ColourListLoadStatus::Missing:
        // Gone meanwhile: as any load of a missing file.
        LoadListFile(path);
        break;
    case ColourListLoadStatus::Failed:
        Tell(result.error);
        break;
    case ColourListLoadStatus::Loaded:
        m_context.colourList.AdoptLoadedList(loaded);
        m_context.recentLists.AddLoadedList(path);
        ShowLoaded(path, result);
        break;
    }
}

void ListFilesFeature::LoadListFileInBackground(const QString& path)
{
    const int load = ++m_loadsStarted;
    m_context.mainWindow.ShowProgress(100);
    const bool changedBefore = m_context.colourList.IsChanged();
    LoadListOrPaletteInBackground(
        path, this, [this](int percent) { m_context.mainWindow.SetProgress(percent); },
        [this, path, load, changedBefore](const ListLoadResult& result, ColourList& loaded) {
            if (load == m_loadsStarted) {
                m_context.mainWindow.HideProgress();
                TakeBackgroundLoad(path, result, loaded, changedBefore);
            }
            emit backgroundLoadEnded();
        });
}

void ListFilesFeature::LoadList()
{
    if (m_context.colourList.IsChanged() &&
        !m_context.platform.messages.Question(
            &m_context.mainWindow,
            QStringLiteral("Color list has changed. Are you sure to load a color list?"),
            QStringLiteral("Load?")))
        return;
    // Palettes of other programs come in through Load too; saving stays ".cll".
    const QString path = m_context.dialogFolders.AskOpenFile(
        DialogFileKind::ColourLists,
        FileDialogRequest{QString(), LoadListFilter(), QStringLiteral("cll"), {}, false});
    if (!path.isEmpty())
        LoadListFile(path);
}

void ListFilesFeature::SaveListAs()
{
    ColourList& list = m_context.colourList;
    // A list from a palette has no file of its own yet: the palette's name is proposed.
    const QString proposed =
        list.OriginName().isEmpty() ? QString() : list.OriginName() + QStringLiteral(".cll");
    const QString path = m_context.dialogFolders.AskSaveFile(
        DialogFileKind::ColourLists, FileRequest("", "QB Color List|*.cll", "cll", true), nullptr,
        proposed);
    if (path.isEmpty())
        return;
    const QByteArray data = ColourListFileText(list);
    const FileWriteResult written = WriteWholeFile(path, data);
    if (!written) {
        Tell(CannotCreateFileMessage(path, written.error));
        return;
    }
    list.SetCurrentListPath(path);
    m_context.recentLists.AddLoadedList(path);
    list.SetChanged(false);
    list.SetNotReadInFull(false);
    list.SetFileStamp(StampListFile(path, data));
    list.SetOriginName(QString());
}

void ListFilesFeature::LoadDroppedFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (PicturePaletteFeature::IsPicture(path)) {
            m_pictures->AddPaletteOf(path);
            continue;
        }
        // Letter case counts: "LIST.CLL" is not a colour list file.
        if (!IsDroppableListFile(path))
            continue;
        if (ConfirmLoad(QStringLiteral("New?")))
            LoadListFile(path);
    }
}

void ListFilesFeature::LoadCommandLineList(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return;
    const QFileInfo file(arguments.at(1));
    if (!file.isFile() || !ConfirmLoad(QStringLiteral("Load?")))
        return;
    // A relative name would be stored as given in the recent lists and "lastcll".
    // The window is up by now: a big file is read without stopping it.
    if (file.size() >= kBackgroundLoadBytes)
        LoadListFileInBackground(file.absoluteFilePath());
    else
        LoadListFile(file.absoluteFilePath());
}

void ListFilesFeature::ChooseStartupList()
{
    ChooseStartupListFile();
    TellPendingNotes();
}

void ListFilesFeature::ChooseStartupListFile()
{
    const QString recentFile = ProgramFile("colorlist.cl1");
    if (!m_context.recentLists.Load(recentFile))
        Tell(CannotOpenFileMessage(recentFile));
    const QString last = m_context.settings.GetPathSetting(QStringLiteral("lastcll"));
    const QString defaultList = DefaultListPath();
    if (!last.isEmpty() && QFileInfo(last).isFile()) {
        LoadStartupList(last);
        return;
    }
    if (!last.isEmpty()) {
        Tell(QStringLiteral("The file '") + QuotedValue(last) +
             QStringLiteral("' can not be found.\rLoading default color list."));
        if (QFileInfo(defaultList).isFile()) {
            LoadStartupList(defaultList);
            return;
        }
        Tell(QStringLiteral("Default color list can not be found.\r Creating a new color list."));
        m_context.colourList.NewList();
        m_context.settings.SetSetting(QStringLiteral("lastcll"), QString());
        return;
    }
    if (QFileInfo(defaultList).isFile())
        LoadStartupList(defaultList);
}

void ListFilesFeature::TellPendingNotes()
{
    // What the last exit could not do as asked, told once.
    for (const QString& note : TakePendingNotes(ProgramFile(kPendingNotesFile)))
        Tell(note);
}

void ListFilesFeature::LoadStartupList(const QString& path)
{
    // The empty list shown instead stands for a file that was never read: it must
    // not be written over the default list at exit unless the user fills it.
    if (!LoadListFile(path))
        m_context.colourList.SetNotReadInFull(true);
}

ReopenWindow* ListFilesFeature::CreateReopenWindow()
{
    if (m_reopen)
        return m_reopen;
    m_reopen = new ReopenWindow(m_context.mainWindow, m_context.platform, m_context.recentLists,
                                m_context.colourList, m_context.commands);
    connect(m_reopen, &ReopenWindow::entryChosen, this, &ListFilesFeature::ReopenEntry);
    return m_reopen;
}

ReopenWindow* ListFilesFeature::reopenWindow() const
{
    return m_reopen;
}

void ListFilesFeature::ShowReopenWindow()
{
    if (!m_reopen)
        return;
    ShowInFront(*m_reopen);
}

void ListFilesFeature::ReopenEntry(int row)
{
    const QStringList& paths = m_context.recentLists.paths();
    if (row < 0 || row >= paths.size() || !ConfirmLoad(QStringLiteral("Load?")))
        return;
    // A copy: the load may append to the store.
    const QString path = paths.at(row);
    LoadListFile(path);
}

void ListFilesFeature::WriteLastListSetting()
{
    // A list that goes to a new file at exit is loaded from there next time.
    m_exitPlan = PlanListExit(m_context.colourList, DefaultListPath());
    m_context.settings.SetPathSetting(QStringLiteral("lastcll"),
                                      m_exitPlan->action == ListExitAction::NewFile
                                          ? m_exitPlan->path
                                          : m_context.colourList.CurrentListPath());
}

void ListFilesFeature::WriteListFilesAtExit()
{
    // Writes at exit never report; a file that cannot be written is skipped.
    m_context.recentLists.Save(ProgramFile("colorlist.cl1"));
}

void ListFilesFeature::WriteColourListAtExit()
{
    const QString defaultList = DefaultListPath();
    if (!m_exitPlan)
        m_exitPlan = PlanListExit(m_context.colourList, defaultList);
    const ListExitResult result = WriteListAtExit(m_context.colourList, *m_exitPlan, defaultList,
                                                  UserDataDirectory() + QStringLiteral("kept"));
    m_exitPlan.reset();
    AddPendingNotes(ProgramFile(kPendingNotesFile), result.notes);
}

bool ListFilesFeature::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_context.mainWindow)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!HasLocalFiles(drop->mimeData()))
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // Answered later, so that the file manager's drag never waits on a question.
        QMetaObject::invokeMethod(
            this,
            [this, paths = LocalFiles(drop->mimeData())] {
                RunWhenNoModalWindow(this, [this, paths] { LoadDroppedFiles(paths); });
            },
            Qt::QueuedConnection);
    }
    return true;
}
