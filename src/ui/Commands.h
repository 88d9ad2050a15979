#pragma once
// The program's commands and the one table that runs them. Keys, tool buttons and
// menus name a command; the window or feature that owns it registers its handler
// once. Running a command nobody handles is a programming error, reported in
// debug builds.

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

// The keys that run them are the bindings of ui/KeyboardMap.
enum class Command
{
    None,
    EyeDropper, // also the Eye Dropper tool button
    CopyWindow, // also the Copy tool button
    MakeWebsafe,
    ShapeTest, // also the Shape Test tool button
    CloseShapeTest,
    WebPageTest, // also the Simple Web Page Test tool button
    CloseWebPageTest,
    ExportMenu, // also the Export tool button
    Reopen,
    SuperMinimize,
    QuickCopy,
    AddToList,
    SaveList,
    LoadList,
    NewList,
    DeleteSelected,
    StayOnTop,
    Undo,          // also the Undo tool button
    Redo,          // also the Redo tool button
    QuickCopyMenu, // the Copy tool button's right button
    Variations,    // "More..."
    About,         // the About tool button
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
