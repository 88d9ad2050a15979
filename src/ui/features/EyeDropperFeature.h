#pragma once
// The eye dropper as the program uses it: Command::EyeDropper (F1, the "Eye
// Dropper Tool" button) opens it. Where the program can read the screen, the
// main window and the tool windows step aside, and after a 100 ms pause (for the
// screen to repaint without them) the eye dropper window shows the frozen screen;
// when it closes they come back, those that were showing, and "Stay on Top" is
// applied again. Where it cannot (a Wayland session) the desktop's own colour
// picker is asked instead. Each colour taken becomes the main colour (recorded
// in the history) and is added to the colour list.

#include "colour/ColourValues.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

struct AppContext;
struct PickedColour;
class EyeDropperWindow;
class QWidget;

class EyeDropperFeature : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRepaintPauseMs = 100;

    // Creates the eye dropper window (hidden) and handles Command::EyeDropper.
    explicit EyeDropperFeature(AppContext& context);
    ~EyeDropperFeature() override;

    // The tool windows that step aside, in the order in which they come back;
    // nullptr for one the program does not have.
    void SetToolWindows(const QList<QWidget*>& windows);
    const QList<QPointer<QWidget>>& toolWindows() const { return m_toolWindows; }

    // The command: opens the eye dropper, or asks the desktop's picker. Nothing
    // while the eye dropper is opening or open.
    void Open();
    // True from the command until the eye dropper window shows.
    bool IsOpening() const { return m_pause.isActive(); }

    EyeDropperWindow* window() const { return m_window.get(); }

private:
    void StepAside();
    void ComeBack();
    void Take(ColorRef colour);
    void TakePicked(const PickedColour& picked);

    AppContext& m_context;
    std::unique_ptr<EyeDropperWindow> m_window;
    QList<QPointer<QWidget>> m_toolWindows;
    QList<bool> m_restore;
    QTimer m_pause;
};

// The one message for a pick the desktop did not answer with a colour.
QString FailedPickMessage(const PickedColour& picked);
