#pragma once
// What the windows share for the whole run, handed to every tool window and
// feature when it is created. The application owns all of it.

#include "platform/Platform.h"

#include <QList>
#include <QString>

#include <functional>

class ColourList;
class HistoryList;
class MainColour;
class RecentLists;
class SettingsStore;
class MainWindow;
class TipWindow;

struct AppContext
{
    Platform& platform;
    SettingsStore& settings;
    MainColour& mainColour;
    ColourList& colourList;
    HistoryList& history; // every committed colour is appended here
    RecentLists& recentLists;
    QString programDirectory; // ends with a separator
    MainWindow* mainWindow = nullptr;
    TipWindow* tip = nullptr;
    // The selected rows of the main window's colour list, in order; set by the list
    // panel once it exists.
    std::function<QList<int>()> selectedListRows = [] { return QList<int>(); };
};
