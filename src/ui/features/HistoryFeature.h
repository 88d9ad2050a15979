#pragma once
// The colour history as the program uses it: the History window, the history
// file "history.cl2" in the program directory (restored when the feature is
// created, written at shut-down) and the Undo and Redo commands of the main
// window, which step through the recorded colours without recording them again.

#include <QObject>
#include <QString>

#include <memory>

struct AppContext;
class HistoryWindow;

class HistoryFeature : public QObject
{
    Q_OBJECT
public:
    // Creates the History window (hidden) and restores the history file into
    // context.history; its last colour becomes the main colour, not recorded
    // again. A line that cannot be read is reported once; it and the lines after
    // it are kept for WriteHistoryFile. A file that cannot be read at all is
    // reported ("Cannot open file <path>") and never written over.
    explicit HistoryFeature(AppContext& context);
    ~HistoryFeature() override;

    // Shows the window and moves one step back or forth; the colour reached becomes
    // the main colour (not recorded) and its entry is selected and scrolled to.
    void Undo();
    void Redo();

    // Shut-down: every entry (and any unreadable lines kept from the start).
    // False when the file could not be written, or was not read at start-up; the
    // caller skips it silently.
    bool WriteHistoryFile();

    QString historyFilePath() const;
    HistoryWindow* window() const { return m_window.get(); }

private:
    void LoadHistoryFile();
    void ShowStep(bool back);

    AppContext& m_context;
    std::unique_ptr<HistoryWindow> m_window;
    bool m_fileUnread = false;
};
