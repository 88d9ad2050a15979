#pragma once
// The main window and everything the tool windows share, on fake desktop
// operations, in a program folder of the test's choosing. Features under test are
// created on top of `context`.

#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "state/MainColour.h"
#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"
#include "support/FakePlatform.h"
#include "ui/Commands.h"
#include "ui/features/AppContext.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/TipWindow.h"

#include <QList>

#include <memory>

struct MainWindowKit
{
    // folder ends with a separator.
    explicit MainWindowKit(const QString& folder);

    // Every command no feature of the test handles is recorded in `ran` instead.
    void RecordUnhandledCommands();

    FakePlatform fake;
    Platform platform;
    SettingsStore settings;
    MainColour colour;
    ColourList list;
    HistoryList history;
    RecentLists recent;
    CommandTable commands;
    TipWindow tip;
    MainWindow window;
    AppContext context;
    QList<Command> ran;
    QObject recorder;
};

// The colour list on `context`'s main window, as the program wires it.
inline std::unique_ptr<ListPanel> MakeListPanel(AppContext& context)
{
    return std::make_unique<ListPanel>(context.mainWindow, context.platform.messages,
                                       context.settings, context.mainColour, context.colourList,
                                       context.history, context.commands);
}
