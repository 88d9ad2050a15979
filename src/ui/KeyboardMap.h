#pragma once
// The main window's keyboard map and the variants the tool windows repeat. Pure
// functions of the key, so every window and test reads the same table.

#include "ui/Commands.h"

#include <Qt>

class QKeyEvent;

enum class KeyMap
{
    MainWindow,  // the main window and the Variations window
    ShapeTest,   // F7 closes that window; no Ctrl combinations
    WebPageTest, // F8 closes that window; Ctrl+C opens the Copy window
    ListWindow,  // Reopen, History: F7 closes the Shape Test; Ctrl+C opens the Copy window
};

// Shift and Alt are not examined. With Ctrl held only the letters of the map act:
// a keypad digit or a function key with Ctrl does nothing. Delete is not in any
// map; the Reopen and History windows handle it for their own lists.
Command KeyMapCommand(KeyMap map, int key, Qt::KeyboardModifiers modifiers);

// Runs the key's command through `commands`; true when the key is one of the map
// (the event is then consumed).
bool RunMappedKey(KeyMap map, const QKeyEvent& event, const CommandTable& commands);
