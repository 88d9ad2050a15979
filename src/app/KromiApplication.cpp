#include "app/KromiApplication.h"

#include "colour/ColourText.h"
#include "storage/ProgramDirectory.h"
#include "ui/AfterDialogs.h"
#include "ui/features/ExportFeature.h"
#include "ui/features/EyeDropperFeature.h"
#include "ui/features/ListFilesFeature.h"
#include "ui/features/WindowPlacement.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/SplashWindow.h"
#include "ui/windows/TipWindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QThread>
#include <QTimer>

#include <algorithm>

KromiApplication::KromiApplication(Platform& platform, const QString& programDirectory)
    : m_platform(platform), m_programDirectory(programDirectory),
      m_recentLists(programDirectory + QStringLiteral("default.cll"))
{
    connect(&m_mainColour, &MainColour::recorded, &m_history, &HistoryList::AddToHistory);
    m_splashPause.setSingleShot(true);
    m_splashPause.setInterval(kSplashPauseMs);
    connect(&m_splashPause, &QTimer::timeout, this, &KromiApplication::ReleaseSplash);
}

KromiApplication::~KromiApplication() = default;

QString KromiApplication::FilePath(const char* name) const
{
    return m_programDirectory + QLatin1String(name);
}

void KromiApplication::Step(const QString& name)
{
    m_steps << name;
}

void KromiApplication::Start(const QStringList& arguments)
{
    m_arguments = arguments;
    m_splash = std::make_unique<SplashWindow>(m_platform.screen);
    m_splash->show();
    m_splash->repaint();
    QCoreApplication::processEvents();
    Step(QStringLiteral("splash shown"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("QB Kromi"));
    // Needs nothing of the others, and the windows with help menus need it.
    m_tip = std::make_unique<TipWindow>(m_platform.screen);
    Step(QStringLiteral("Tip"));

    CreateMainWindow();
    CreateToolWindows();
    WireMainWindow();
    m_startReturned = true;
    if (m_sessionEnding) {
        QTimer::singleShot(0, this, &KromiApplication::EndNow);
        return;
    }
    Step(QStringLiteral("pause"));
    m_splashPause.start();
}

void KromiApplication::EndSession()
{
    m_sessionEnding = true;
    // Before Start() has returned the windows that write at exit may not exist yet.
    if (m_startReturned)
        EndNow();
}

void KromiApplication::EndNow()
{
    ShutDown();
    // Not quit(): that asks every window to close first, and the tool windows
    // only hide when asked, which would keep the program running. With no event
    // loop running (a test driving the sequence) there is nothing to end, and
    // exit() would end every loop started later.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void KromiApplication::OpenHandedOverList(const QStringList& arguments)
{
    if (m_shutDown)
        return;
    if (!m_started) {
        connect(
            this, &KromiApplication::started, this,
            [this, arguments] { OpenHandedOverList(arguments); }, Qt::SingleShotConnection);
        return;
    }
    RunWhenNoModalWindow(this, [this, arguments] {
        if (m_shutDown)
            return;
        ShowInFront(*m_mainWindow);
        OpenCommandLineList(arguments);
    });
}

void KromiApplication::OpenCommandLineList(const QStringList& arguments)
{
    // Bytes that are no text in the file name encoding arrive as U+FFFD, and no
    // file can be opened by that name.
    const QString name = arguments.value(1);
    if (name.contains(QChar::ReplacementCharacter) && !QFileInfo(name).exists()) {
        m_platform.messages.Information(
            m_mainWindow.get(),
            QStringLiteral("The file name '") + QuotedValue(name) +
                QStringLiteral("' can not be opened: it is not valid in the character encoding "
                               "of this system (UTF-8).\rRename the file and open it again."));
        return;
    }
    m_listFiles->LoadCommandLineList(arguments);
}

void KromiApplication::CreateMainWindow()
{
    m_mainWindow =
        std::make_unique<MainWindow>(m_platform, m_mainColour, m_programDirectory, m_commands);
    m_context = std::make_unique<AppContext>(
        AppContext{m_platform, m_settings, m_mainColour, m_colourList, m_history, m_recentLists,
                   m_commands, *m_mainWindow, *m_tip, m_programDirectory});
    const SettingsLoadResult loaded = m_settings.Load(FilePath("set.set"));
    if (loaded.status == SettingsLoadResult::Status::Unreadable)
        m_platform.messages.Information(nullptr, loaded.error);
    Step(QStringLiteral("settings"));
    m_listPanel = std::make_unique<ListPanel>(*m_mainWindow, m_platform.messages, m_settings,
                                              m_mainColour, m_colourList, m_history, m_commands);
    // Also accepts lists dropped from the desktop from now on.
    m_listFiles = std::make_unique<ListFilesFeature>(*m_context);
    m_listFiles->ChooseStartupList();
    Step(QStringLiteral("colour list"));
    m_mainColour.ShowColour(PackColour(MainColour::kStartColour));
    m_mainWindow->SetStatusText(QString());
    Step(QStringLiteral("start colour"));
    PlaceMainWindow();
    Step(QStringLiteral("main window position"));
    m_listPanel->ApplySmallWheelSetting();
    m_export = std::make_unique<ExportFeature>(*m_context);
    m_startupFinished = true;
    Step(QStringLiteral("main window"));
}

void KromiApplication::PlaceMainWindow()
{
    MainWindow* window = m_mainWindow.get();
    // A settings file delivered with the program holds no position yet: that is
    // still a first start.
    m_firstStart = m_settings.GetSetting(QStringLiteral("1.left")).isEmpty() &&
                   m_settings.GetSetting(QStringLiteral("1.top")).isEmpty();
    static constexpr FirstStartPlaces kFirstStart{{155, 2}, {159, 4}, {167, 20}};
    PlaceFromPositionKeys(*window, *m_context, "1.left", "1.top", kMainDefaultPosition,
                          m_firstStart ? &kFirstStart : nullptr);
}

void KromiApplication::CreateToolWindows()
{
    std::vector<const ToolWindowRow*> stepAside;
    for (const ToolWindowRow& row : ToolWindows()) {
        if (row.create) {
            row.create(*this);
            Step(QLatin1String(row.name));
        }
        if (row.comesBack > 0)
            stepAside.push_back(&row);
    }
    std::stable_sort(
        stepAside.begin(), stepAside.end(),
        [](const ToolWindowRow* a, const ToolWindowRow* b) { return a->comesBack < b->comesBack; });
    QList<QWidget*> windows;
    for (const ToolWindowRow* row : stepAside)
        windows << row->window(*this);
    m_tools.eyeDropper->SetToolWindows(windows);
}

void KromiApplication::WireMainWindow()
{
    MainWindow* window = m_mainWindow.get();
    m_helpMenu = new QMenu(window);
    m_helpMenu->addAction(QStringLiteral("&Open Help Documents"), this, [this] {
        // After an install the settings live in the per-user folder while the help
        // document stays with the files delivered with the program.
        const QString help = m_settings.GetPathSetting(QStringLiteral("help"));
        const QString folder = QFile::exists(m_programDirectory + help) || help.isEmpty()
                                   ? m_programDirectory
                                   : DeliveredFilesDirectory();
        OpenHelpDocument(help, folder, m_platform, m_mainWindow.get());
    });
    m_helpMenu->addSeparator();
    AddHowToEntries(*m_helpMenu, HelpMenu::MainWindow, *m_tip);
    connect(window, &MainWindow::helpMenuRequested, this,
            [this](const QPoint& pos) { m_helpMenu->popup(pos); });
    m_commands.Handle(Command::About, this, [this] { m_tools.about->ShowModal(); });
    connect(window, &MainWindow::closing, this, &KromiApplication::EndNow);
}

void KromiApplication::ReleaseSplash()
{
    Step(QStringLiteral("splash released"));
    m_splash->hide();
    m_splash.reset();
    m_mainWindow->show();
    m_started = true;
    OpenCommandLineList(m_arguments);
    emit started();
}

void KromiApplication::ShutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    std::vector<const ShutDownStep*> steps;
    for (const ToolWindowRow& row : ToolWindows())
        for (const ShutDownStep& step : row.shutDown)
            steps.push_back(&step);
    std::stable_sort(steps.begin(), steps.end(), [](const ShutDownStep* a, const ShutDownStep* b) {
        return a->order < b->order;
    });
    for (const ShutDownStep* step : steps) {
        step->run(*this);
        m_shutDownSteps << QLatin1String(step->name);
    }
    emit finished();
}
