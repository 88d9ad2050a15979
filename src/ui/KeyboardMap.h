#pragma once
// The main window's keyboard map, shared by the tool windows that repeat it.
// A pure function of the key, so every window and test reads the same table.

#include <Qt>

enum class KeyCommand {
    None,
    EyeDropper,     // F1
    CopyWindow,     // F5
    MakeWebsafe,    // F6, Ctrl+W
    ShapeTest,      // F7
    WebPageTest,    // F8
    ExportMenu,     // F10, Ctrl+X
    Reopen,         // F11, Ctrl+R
    SuperMinimize,  // F12
    QuickCopy,      // Ctrl+C
    AddToList,      // Ctrl+A
    SaveList,       // Ctrl+S
    LoadList,       // Ctrl+O
    NewList,        // Ctrl+N
    DeleteSelected, // Ctrl+D
    StayOnTop,      // Ctrl+T
    Undo,           // Ctrl+Z
    Redo,           // Ctrl+Y
};

// Shift and Alt are not examined. With Ctrl held only the letters above act: a
// keypad digit or a function key with Ctrl does nothing.
KeyCommand MainKeyCommand(int key, Qt::KeyboardModifiers modifiers);
