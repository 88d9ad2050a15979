#pragma once
// The keys of the Reopen and History windows: the main window's map with three
// differences. F7 closes the Shape Test window instead of opening it, Ctrl+C
// opens the Copy window instead of the quick copy, and Delete acts on the
// window's own list.

#include "ui/KeyboardMap.h"

#include <Qt>

#include <functional>

class MainWindow;

enum class ToolWindowAction
{
    None,           // not a key of the map: the focused control gets it
    DeleteInList,   // Delete
    CloseShapeTest, // F7
    MainCommand,    // every other key of the map, run by the main window
};

struct ToolWindowKey
{
    ToolWindowAction action = ToolWindowAction::None;
    KeyCommand command = KeyCommand::None; // set for MainCommand
};

// Shift and Alt are not examined; Delete acts with any modifiers.
ToolWindowKey ToolWindowKeyOf(int key, Qt::KeyboardModifiers modifiers);

// Runs the key: main-window commands through mainWindow, Delete through
// deleteInList. CloseShapeTest is returned for the caller to carry out (or
// ignore). The result's action is None when the key is not one of the map.
ToolWindowKey RunToolWindowKey(int key, Qt::KeyboardModifiers modifiers, MainWindow& mainWindow,
                               const std::function<void()>& deleteInList);
