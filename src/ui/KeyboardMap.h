#pragma once
// The main window's keyboard map and the variants the tool windows repeat: one
// table of bindings that the windows, the help texts and the tests all read.

#include "ui/Commands.h"

#include <QString>
#include <Qt>

#include <vector>

class QKeyEvent;

enum class KeyMap
{
    MainWindow,  // the main window and the Variations window
    ShapeTest,   // F7 closes that window; no Ctrl combinations
    WebPageTest, // F8 closes that window; Ctrl+C opens the Copy window
    ListWindow,  // Reopen, History: F7 closes the Shape Test; Ctrl+C opens the Copy window
};

// One key of the table: `key` with Ctrl held (`ctrl`) or without it runs
// `command` in each map of `maps` (a bit per KeyMap).
struct KeyBinding
{
    Qt::Key key;
    bool ctrl;
    unsigned maps;
    Command command;

    bool IsIn(KeyMap map) const;
    // "F5", "Ctrl+C": as the help texts name the key.
    QString KeyText() const;
};
using KeyBindings = std::vector<KeyBinding>;
// Every binding, function keys first, in the order the help lists them.
const KeyBindings& KeyBindingTable();

// Shift and Alt are not examined. With Ctrl held only the letters of the map act:
// a keypad digit or a function key with Ctrl does nothing. Delete is not in any
// map; the Reopen and History windows handle it for their own lists.
Command KeyMapCommand(KeyMap map, int key, Qt::KeyboardModifiers modifiers);

// Runs the key's command through `commands`; true when the key is one of the map
// (the event is then consumed).
bool RunMappedKey(KeyMap map, const QKeyEvent& event, const CommandTable& commands);
