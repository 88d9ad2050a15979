#pragma once
// What the windows share for the whole run, handed to every tool window and
// feature when it is created. The application owns all of it; the main window and
// the Tip window exist before it.

#include "platform/Platform.h"
#include "ui/DialogFolders.h"
#include "ui/windows/MainWindow.h"

#include <QString>

class ColourList;
class CommandTable;
class HistoryList;
class MainColour;
class RecentLists;
class SettingsStore;
class TipWindow;

struct AppContext
{
    Platform& platform;
    SettingsStore& settings;
    MainColour& mainColour;
    ColourList& colourList;
    HistoryList& history; // every committed colour is appended here
    RecentLists& recentLists;
    CommandTable& commands;
    MainWindow& mainWindow;
    TipWindow& tip;
    QString programDirectory; // ends with a separator
    DialogFolders dialogFolders{platform.fileDialogs, programDirectory, &mainWindow};
};
