#pragma once
// The program's life: the start-up sequence (splash, main window, tool windows in
// their fixed order, the pause with the splash showing) and the shut-down
// sequence run when the main window closes (settings keys in their fixed order,
// then the program's files).

#include "app/ToolWindows.h"
#include "platform/Platform.h"
#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "state/MainColour.h"
#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"
#include "ui/Commands.h"
#include "ui/features/AppContext.h"

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

class ExportFeature;
class ListFilesFeature;
class ListPanel;
class QMenu;
class MainWindow;
class TipWindow;
class SplashWindow;

class KromiApplication : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSplashPauseMs = 1000;
    static constexpr QPoint kMainDefaultPosition{216, 158};

    KromiApplication(Platform& platform, const QString& programDirectory);
    ~KromiApplication() override;

    // Runs the start-up sequence up to the pause; the splash is released and the
    // main window shown when the pause has passed (in the event loop).
    void Start(const QStringList& arguments);
    // The shut-down sequence; run once, when the main window closes.
    void ShutDown();
    // The session ends (SIGTERM, SIGHUP): the shut-down sequence runs and the event
    // loop ends. During start-up the sequence finishes first and the program ends
    // right after it, without the pause.
    void EndSession();
    // A later copy's command line: the main window comes to the front and the list
    // it names is opened as the command line is at start. Waits until start-up
    // has finished and no modal window is open.
    void OpenHandedOverList(const QStringList& arguments);

    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    TipWindow* tipWindow() const { return m_tip.get(); }
    SplashWindow* splashWindow() const { return m_splash.get(); }
    QMenu* helpMenu() const { return m_helpMenu; }
    CopyFeature* copyFeature() const { return m_tools.copy.get(); }
    EyeDropperFeature* eyeDropper() const { return m_tools.eyeDropper.get(); }
    ListPanel* listPanel() const { return m_listPanel.get(); }
    ListFilesFeature* listFiles() const { return m_listFiles.get(); }
    ShapeTestFeature* shapeTest() const { return m_tools.shapeTest.get(); }
    WebPageTestFeature* webPageTest() const { return m_tools.webPageTest.get(); }
    SettingsStore& settings() { return m_settings; }
    MainColour& mainColour() { return m_mainColour; }
    ColourList& colourList() { return m_colourList; }
    HistoryList& history() { return m_history; }
    RecentLists& recentLists() { return m_recentLists; }
    CommandTable& commands() { return m_commands; }
    // The steps of the start-up sequence as they ran, for checking the order.
    const QStringList& startupSteps() const { return m_steps; }
    // The steps of the shut-down sequence as they ran, named by what they write.
    const QStringList& shutDownSteps() const { return m_shutDownSteps; }
    bool IsStartupFinished() const { return m_startupFinished; }
    // The pause with the splash showing; runs from the end of Start().
    QTimer& splashPause() { return m_splashPause; }

signals:
    // The splash was released and the main window shown.
    void started();
    // The shut-down sequence has run.
    void finished();

private:
    // The table of tool windows and shut-down steps (ToolWindows.cpp).
    static const std::vector<ToolWindowRow>& ToolWindows();

    void CreateMainWindow();
    void PlaceMainWindow();
    void CreateToolWindows();
    void ReleaseSplash();
    void WireMainWindow();
    void Step(const QString& name);
    void EndNow();
    // The list named by a command line, or why it cannot be opened.
    void OpenCommandLineList(const QStringList& arguments);
    QString FilePath(const char* name) const;

    Platform& m_platform;
    QString m_programDirectory;
    SettingsStore m_settings;
    MainColour m_mainColour;
    ColourList m_colourList;
    HistoryList m_history;
    RecentLists m_recentLists;
    CommandTable m_commands;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<TipWindow> m_tip;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<ExportFeature> m_export;
    std::unique_ptr<ListPanel> m_listPanel;
    std::unique_ptr<ListFilesFeature> m_listFiles;
    // Destroyed first: the tool windows' features hold on to the main window and
    // the list panel.
    ToolWindowObjects m_tools;
    QStringList m_arguments;
    QTimer m_splashPause;
    QMenu* m_helpMenu = nullptr;
    QStringList m_steps;
    QStringList m_shutDownSteps;
    bool m_startupFinished = false;
    // No main window position was stored: the tool windows take their first places.
    bool m_firstStart = false;
    bool m_startReturned = false;
    // The splash was released and the main window shown.
    bool m_started = false;
    bool m_sessionEnding = false;
    bool m_shutDown = false;
};
