#pragma once
// The History window: the colour history in the "histbox" list, docked to the
// main window's left edge. Undo and Redo bring it up; with "Auto Close" on it
// fades out and hides by itself. Keeps "hist.autofade" (read at creation,
// written at each toggle).

#include "state/HistoryFade.h"
#include "ui/widgets/DockedToolWindow.h"

#include <QSize>
#include <QTimer>

class Platform;
class SettingsStore;
class MainColour;
class HistoryList;
class CommandTable;
class TipWindow;
class ClickableBox;
class HistoryView;
class QAction;
class QMenu;

class HistoryWindow : public DockedToolWindow
{
    Q_OBJECT
public:
    static constexpr QSize kClientSize{155, 457};
    static constexpr int kFadeIntervalMs = 100;

    // Docked to the main window's left edge.
    HistoryWindow(FramedWindow& mainWindow, Platform& platform, SettingsStore& settings,
                  MainColour& mainColour, HistoryList& history, CommandTable& commands,
                  TipWindow& tip, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Undo or Redo: shown (docked), opaque, and with Auto Close on the fade starts
    // over with its countdown of 10 ticks.
    void ShowForStep();

    bool IsAutoClose() const { return m_fade.autoClose(); }
    // The "Auto Close" toggle: checks or unchecks the entry, applies the fade
    // state and writes "hist.autofade".
    void SetAutoClose(bool on);
    // One tick of the fade timer (the timer calls it every 100 ms while it runs).
    void Tick();
    // The 100 ms timer that calls Tick() (tests lengthen it and tick by hand).
    QTimer& fadeTimer() { return m_fadeTimer; }

    // The Delete key: asks, then removes the selected entries on Yes.
    void DeleteSelected();
    // "Clear History": every entry, without asking.
    void ClearHistory();
    // The "?" box: the help menu at the box's top-left corner.
    void ShowHelpMenu();

    HistoryView* historyView() const { return m_list; }
    QMenu* contextMenu() const { return m_contextMenu; }
    QAction* autoCloseAction() const { return m_autoCloseAction; }
    QAction* clearHistoryAction() const { return m_clearHistoryAction; }
    QMenu* helpMenu() const { return m_helpMenu; }
    ClickableBox* helpBox() const { return m_helpBox; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildContextMenu();
    bool HandleKey(const QKeyEvent& event);
    // Makes the window opaque and the fade wait its 30 ticks again.
    void Touch();
    void ApplyOpacity(int opacity);
    void SyncFadeTimer();
    // After recording: the list scrolls down to the newest entry once the current
    // burst of recordings is over, or when the window is next shown.
    void ScrollToNewestSoon();

    Platform& m_platform;
    SettingsStore& m_settings;
    MainColour& m_mainColour;
    HistoryList& m_history;
    CommandTable& m_commands;
    HistoryView* m_list;
    ClickableBox* m_helpBox;
    QMenu* m_contextMenu;
    QAction* m_autoCloseAction;
    QAction* m_clearHistoryAction;
    QMenu* m_helpMenu;
    HistoryFade m_fade;
    QTimer m_fadeTimer;
    int m_appliedOpacity = -1;
    QTimer m_scrollToNewest;
    bool m_newestOutOfSight = false;
};
