#pragma once
// The program's commands and the one table that runs them. Keys, tool buttons and
// menus name a command; the window or feature that owns it registers its handler
// once. Running a command nobody handles is a programming error, reported in
// debug builds.

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

enum class Command
{
    None,
    EyeDropper,       // F1, the Eye Dropper tool button
    CopyWindow,       // F5, the Copy tool button
    MakeWebsafe,      // F6, Ctrl+W
    ShapeTest,        // F7 in the main window, the Shape Test tool button
    CloseShapeTest,   // F7 in the Shape Test, Reopen and History windows
    WebPageTest,      // F8, the Simple Web Page Test tool button
    CloseWebPageTest, // F8 in the Simple Web Page Test
    ExportMenu,       // F10, Ctrl+X, the Export tool button
    Reopen,           // F11, Ctrl+R
    SuperMinimize,    // F12
    QuickCopy,        // Ctrl+C in the main window
    AddToList,        // Ctrl+A
    SaveList,         // Ctrl+S
    LoadList,         // Ctrl+O
    NewList,          // Ctrl+N
    DeleteSelected,   // Ctrl+D
    StayOnTop,        // Ctrl+T
    Undo,             // Ctrl+Z, the Undo tool button
    Redo,             // Ctrl+Y, the Redo tool button
    QuickCopyMenu,    // the Copy tool button's right button
    Variations,       // "More..."
    About,            // the About tool button
    Count
};

class CommandTable
{
public:
    using Handler = std::function<void()>;

    // `owner` handles `command` from now on until it is destroyed. A command has
    // one owner at a time.
    void Handle(Command command, const QObject* owner, Handler handler);
    bool IsHandled(Command command) const;
    // Runs the command's handler; None does nothing.
    void Run(Command command) const;

private:
    struct Entry
    {
        QPointer<const QObject> owner;
        Handler handler;
    };
    std::array<Entry, std::size_t(Command::Count)> m_entries;
};
